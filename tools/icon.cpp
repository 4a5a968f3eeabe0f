// Turns an SVG drawing into a Windows icon file holding a 32 x 32 and a 16 x 16 image, for the
// face files that lie beside the program.
//
//   zeigerdiplom-icon DRAWING.svg FILE.ico
#include "app/pictures.h"
#include "tools/offscreenprogram.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QtEndian>

#include <cstdio>

namespace {

template<typename T>
void put(QByteArray &out, T value)
{
    const T le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&le), sizeof le);
}

// One image as an icon stores it: a bitmap header of twice the height (colour rows and mask
// rows), 32-bit colour rows bottom up, then the one-bit mask rows bottom up, 1 for transparent.
QByteArray iconImage(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    QByteArray out;
    put<quint32>(out, 40);
    put<qint32>(out, w);
    put<qint32>(out, 2 * h);
    put<quint16>(out, 1);
    put<quint16>(out, 32);
    put<quint32>(out, 0);
    put<quint32>(out, quint32(w * h * 4 + maskStride * h));
    for (int i = 0; i < 4; ++i)
        put<quint32>(out, 0);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x)
            put<quint32>(out, image.pixel(x, y));
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(image.pixel(x, y)) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    preferOffscreenPlatform();
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: %s DRAWING.svg FILE.ico\n", qPrintable(args.at(0)));
        return 2;
    }
    const QList<int> sides{32, 16};
    QList<QByteArray> images;
    for (int side : sides)
        images.append(iconImage(Pictures::render(args.at(1), QSize(side, side)).toImage()));

    QByteArray file;
    put<quint16>(file, 0);
    put<quint16>(file, 1);
    put<quint16>(file, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (int i = 0; i < images.size(); ++i) {
        file.append(char(sides[i]));
        file.append(char(sides[i]));
        file.append(char(0));
        file.append(char(0));
        put<quint16>(file, 1);
        put<quint16>(file, 32);
        put<quint32>(file, quint32(images[i].size()));
        put<quint32>(file, offset);
        offset += quint32(images[i].size());
    }
    for (const QByteArray &image : images)
        file.append(image);

    QFile out(args.at(2));
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
