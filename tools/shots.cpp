// Loads every screen offscreen and writes, into OUTDIR, a PNG and a JSON layout dump of each.
//
//   zeigerdiplom-shots OUTDIR
#include "tools/offscreenprogram.h"
#include "app/randomsource.h"
#include "app/startup.h"
#include "app/widgets.h"
#include "layoutdump.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QImage grabClient(Screen &screen)
{
    QApplication::processEvents();
    return screen.window()->grab().toImage();
}

} // namespace

int main(int argc, char *argv[])
{
    preferOffscreenPlatform();
    QApplication app(argc, argv);
    configureApplication(app);
    const QStringList args = app.arguments();

    SeededRandom random(1440);
    OffscreenProgram offscreen(random);
    Program &program = offscreen.program;
    program.vars().Schueler = QStringLiteral("Anna");

    if (args.size() != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", qPrintable(args.at(0)));
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
