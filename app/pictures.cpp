#include "pictures.h"

#include "errors.h"

#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

namespace Pictures {

static bool isSvg(const QString &source)
{
    return source.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
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
    if (!isSvg(source))
        return QImageReader(source).size();
    // Reading a drawing's size parses all of it, and a control asks again before it draws it. The
    // built-in drawings never change, so each is parsed for its size once per run.
    if (!source.startsWith(QLatin1String(":/")))
        return QSvgRenderer(source).defaultSize();
    static QHash<QString, QSize> builtIn;
    auto found = builtIn.constFind(source);
    if (found == builtIn.cend())
        found = builtIn.insert(source, QSvgRenderer(source).defaultSize());
    return *found;
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
        QImageReader reader(source);
        if (reader.size().isValid() && reader.size() != pixels && reader.supportsOption(QImageIOHandler::ScaledSize))
            reader.setScaledSize(pixels);
        pixmap = QPixmap::fromImageReader(&reader);
        if (!pixmap.isNull() && pixmap.size() != pixels)
            pixmap = pixmap.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon windowIcon(const QString &source)
{
    QIcon icon;
    for (int side : {16, 32, 48})
        icon.addPixmap(render(source, QSize(side, side)));
    return icon;
}

QCursor cursor(const Pointer &pointer)
{
    switch (pointer.kind) {
    case Pointer::Arrow:
        return QCursor(Qt::ArrowCursor);
    case Pointer::Custom: {
        // Several controls of a screen share one hand, and the labyrinth switches between the
        // same few faces, so each picture is drawn once per run. The splash screen, the first
        // window, would otherwise read and draw the hand's drawing four times before it shows.
        static QHash<QString, QCursor> drawn;
        const QString key = QStringLiteral("%1|%2|%3").arg(pointer.picture).arg(pointer.hotX).arg(pointer.hotY);
        auto found = drawn.constFind(key);
        if (found == drawn.cend()) {
            const QPixmap picture = render(pointer.picture, QSize(32, 32));
            found = drawn.insert(key, pointer.hotX < 0 ? QCursor(picture) : QCursor(picture, pointer.hotX, pointer.hotY));
        }
        return *found;
    }
    case Pointer::Default:
        break;
    }
    return QCursor(Qt::ArrowCursor);
}

} // namespace Pictures
