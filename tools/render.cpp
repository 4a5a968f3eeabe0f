// Renders one of the program's drawings to a picture file at a given size, for the files the
// build puts beside the program and installs (icons of the desktop menu).
//
//   zeigerdiplom-render SOURCE.svg FILE WIDTH HEIGHT
#include "app/pictures.h"
#include "tools/offscreenprogram.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    preferOffscreenPlatform();
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool widthOk = false;
    bool heightOk = false;
    const int width = args.value(3).toInt(&widthOk);
    const int height = args.value(4).toInt(&heightOk);
    if (args.size() != 5 || !widthOk || !heightOk || width <= 0 || height <= 0) {
        std::fprintf(stderr, "usage: %s SOURCE.svg FILE WIDTH HEIGHT\n", qPrintable(args.value(0)));
        return 2;
    }
    const QPixmap picture = Pictures::render(args.at(1), QSize(width, height));
    if (picture.isNull() || !picture.save(args.at(2))) {
        std::fprintf(stderr, "could not render %s to %s\n", qPrintable(args.at(1)), qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
