// Draws an SVG picture at its own size on white and writes it as a 24-bit BMP, for the
// pictures that lie beside the program.
//
//   zeigerdiplom-svg2bmp IN.svg OUT.bmp
#include "app/fonts.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The text of the drawing needs the fonts, and the fonts need a platform, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: %s IN.svg OUT.bmp\n", qPrintable(args.at(0)));
        return 2;
    }
    installFontSubstitutions();
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid())
        return 1;
    QImage image(renderer.defaultSize(), QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return image.save(args.at(2), "BMP") ? 0 : 1;
}
