// Loads screens offscreen and writes what they show.
//
//   zeigerdiplom-shots OUTDIR              a PNG and a JSON layout dump of every screen
//   zeigerdiplom-shots --tile SCREEN FILE  the screen as a 400 x 300 picture with its title bar
#include "app/program.h"
#include "app/randomsource.h"
#include "app/startup.h"
#include "app/widgets.h"
#include "layoutdump.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>

namespace {

class SilentMessageBoxes : public MessageBoxes
{
public:
    void show(const QString &, MsgIcon, const QString &) override {}
};

QImage grabClient(Screen &screen)
{
    QApplication::processEvents();
    return screen.window()->grab().toImage();
}

// The window as the desktop shows it: a plain title bar above the client area, 800 x 600 in all
// for the 12000 x 9000 twip screens.
QImage withTitleBar(const QImage &client, const QString &title)
{
    const int border = 3;
    const int titleHeight = 22 - border;
    QImage framed(client.width() + 2 * border, client.height() + titleHeight + 2 * border,
                  QImage::Format_RGB32);
    framed.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter p(&framed);
    p.fillRect(border, border, framed.width() - 2 * border, titleHeight, QColor(0x00, 0x00, 0x80));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(border + 5, border, framed.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.drawImage(border, border + titleHeight, client);
    return framed;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    configureApplication(app);
    const QStringList args = app.arguments();

    QTemporaryDir config;
    SettingsStore settings(config.path());
    SilentMessageBoxes boxes;
    SeededRandom random(1440);
    Program program(boxes, settings, random);
    program.nav().setExitHandler([](int) {});
    program.vars().Schueler = QStringLiteral("Anna");

    if (args.size() == 4 && args.at(1) == QLatin1String("--tile")) {
        Screen *screen = program.screen(args.at(2));
        if (!screen) {
            std::fprintf(stderr, "no screen named %s\n", qPrintable(args.at(2)));
            return 2;
        }
        program.nav().show(*screen);
        const QImage framed = withTitleBar(grabClient(*screen), screen->caption());
        const QImage tile = framed.scaled(400, 300, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return tile.save(args.at(3)) ? 0 : 1;
    }

    if (args.size() != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR | --tile SCREEN FILE\n", qPrintable(args.at(0)));
        return 2;
    }
    const QDir out(args.at(1));
    QDir().mkpath(out.path());
    // Each screen is shown before the one before it goes, so the program never runs out of
    // loaded screens, which would end it.
    Screen *previous = nullptr;
    for (Screen *screen : program.screens()) {
        program.nav().show(*screen);
        if (previous)
            program.nav().unload(*previous);
        previous = screen;
        grabClient(*screen).save(out.filePath(screen->name() + QLatin1String(".png")));
        QFile json(out.filePath(screen->name() + QLatin1String(".json")));
        if (!json.open(QIODevice::WriteOnly))
            return 1;
        json.write(QJsonDocument(dumpLayout(*screen)).toJson());
        std::printf("%s\n", qPrintable(screen->name()));
    }
    return 0;
}
