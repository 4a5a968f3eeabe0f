// Draws a hub tile from the program's own game screen: the screen loaded offscreen with a fixed
// random seed, framed with a plain title bar as the desktop shows it, scaled to 400 x 300, or
// with a SCALE of 2 to 800 x 600 for desktops with twice the pixels.
//
//   zeigerdiplom-tile SCREEN FILE [SCALE]
#include "tools/offscreenprogram.h"
#include "app/randomsource.h"
#include "app/startup.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// 800 x 600 in all for a 12000 x 9000 twip screen: a 3 pixel frame and a title bar.
QImage withTitleBar(const QImage &client, const QString &title)
{
    const int border = 3;
    const int titleHeight = 22 - border;
    QImage framed(client.width() + 2 * border, client.height() + titleHeight + 2 * border, QImage::Format_RGB32);
    framed.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter p(&framed);
    // The title bar runs from a middle blue into light blue and a grey band of the frame parts
    // it from the client area, so that it stands out from a navy level as from the white maze.
    const QRect bar(border, border, framed.width() - 2 * border, titleHeight - 3);
    QLinearGradient caption(bar.topLeft(), bar.topRight());
    caption.setColorAt(0, QColor(0x10, 0x40, 0xA0));
    caption.setColorAt(1, QColor(0xA6, 0xCA, 0xF0));
    p.fillRect(bar, caption);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(border + 5, border, framed.width(), titleHeight - 3), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.drawImage(border, border + titleHeight, client);
    return framed;
}

} // namespace

int main(int argc, char *argv[])
{
    preferOffscreenPlatform();
    QApplication app(argc, argv);
    configureApplication(app);
    const QStringList args = app.arguments();
    const int scale = args.size() == 4 ? args.at(3).toInt() : 1;
    if ((args.size() != 3 && args.size() != 4) || scale < 1) {
        std::fprintf(stderr, "usage: %s SCREEN FILE [SCALE]\n", qPrintable(args.at(0)));
        return 2;
    }

    SeededRandom random(1440);
    OffscreenProgram offscreen(random);
    Program &program = offscreen.program;

    Screen *screen = program.screen(args.at(1));
    if (!screen) {
        std::fprintf(stderr, "no screen named %s\n", qPrintable(args.at(1)));
        return 2;
    }
    program.nav().show(*screen);
    QApplication::processEvents();
    const QImage client = screen->window()->grab().toImage();
    const QImage tile = withTitleBar(client, screen->caption()).scaled(400 * scale, 300 * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return tile.save(args.at(2)) ? 0 : 1;
}
