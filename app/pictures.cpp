#include "pictures.h"

#include "errors.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

namespace Pictures {

static bool isSvg(const QString &source)
{
    return source.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

// A raster picture shown on a high-resolution desktop is read from its twice-as-large sibling
// ("tile@2x.png" beside "tile.png") where there is one, instead of being stretched.
static QString rasterFor(const QString &source, qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1.0)
        return source;
    const int dot = source.lastIndexOf(QLatin1Char('.'));
    if (dot <= source.lastIndexOf(QLatin1Char('/')))
        return source;
    const QString larger = source.left(dot) + QLatin1String("@2x") + source.mid(dot);
    return QFile::exists(larger) ? larger : source;
}

bool isAvailable(const QString &source)
{
    return !source.isEmpty() && QFile::exists(source);
}

QString loadFile(const QString &path)
{
    if (!QFile::exists(path))
        throw RuntimeError(QStringLiteral("Datei nicht gefunden: %1").arg(path));
    QImageReader reader(path);
    if (reader.read().isNull())
        throw RuntimeError(QStringLiteral("Ungültiges Bild: %1").arg(path));
    return path;
}

QSize naturalSize(const QString &source)
{
    if (isSvg(source))
        return QSvgRenderer(source).defaultSize();
    return QImageReader(source).size();
}

QPixmap render(const QString &source, QSize logicalSize, qreal devicePixelRatio)
{
    const QSize pixels = (QSizeF(logicalSize) * devicePixelRatio).toSize();
    if (pixels.isEmpty())
        return {};
    QPixmap pixmap;
    if (isSvg(source)) {
        pixmap = QPixmap(pixels);
        pixmap.fill(Qt::transparent);
        QSvgRenderer renderer(source);
        QPainter painter(&pixmap);
        renderer.render(&painter);
    } else {
        QImageReader reader(rasterFor(source, devicePixelRatio));
        if (reader.size().isValid() && reader.size() != pixels && reader.supportsOption(QImageIOHandler::ScaledSize))
            reader.setScaledSize(pixels);
        pixmap = QPixmap::fromImageReader(&reader);
        if (!pixmap.isNull() && pixmap.size() != pixels)
            pixmap = pixmap.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

qreal defaultDevicePixelRatio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QIcon windowIcon(const QString &source)
{
    QIcon icon;
    for (int side : {16, 32, 48, 64})
        icon.addPixmap(render(source, QSize(side, side)));
    return icon;
}

QCursor cursor(const Pointer &pointer, qreal devicePixelRatio)
{
    switch (pointer.kind) {
    case Pointer::Arrow:
        return QCursor(Qt::ArrowCursor);
    case Pointer::Custom: {
        // The X server takes the cursor picture and its hot spot in device pixels, so both are
        // given there: at twice the pixels the pointer keeps its size and stays sharp.
        const int side = 32;
        const QPixmap picture = render(pointer.picture, QSize(side, side), devicePixelRatio);
        const int hotX = pointer.hotX < 0 ? side / 2 : pointer.hotX;
        const int hotY = pointer.hotY < 0 ? side / 2 : pointer.hotY;
        return QCursor(picture, qRound(hotX * devicePixelRatio), qRound(hotY * devicePixelRatio));
    }
    case Pointer::Default:
        break;
    }
    return QCursor(Qt::ArrowCursor);
}

} // namespace Pictures
