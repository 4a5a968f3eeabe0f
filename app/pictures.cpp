#include "pictures.h"

#include "errors.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdlib>

namespace Pictures {

static bool isSvg(const QString &source)
{
    return source.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

static bool isResource(const QString &source)
{
    return source.startsWith(QLatin1Char(':'));
}

// A file from disk is read in the format its name gives, never in whatever its content looks
// like, and refused once its header announces more than MaxSide pixels on a side.
static void prepare(QImageReader &reader, const QString &source)
{
    if (isResource(source))
        return;
    const QByteArray format = QFileInfo(source).suffix().toLower().toLatin1();
    if (format.isEmpty())
        return;
    reader.setFormat(format);
    reader.setAutoDetectImageFormat(false);
}

static bool withinBound(QSize size)
{
    return size.width() <= MaxSide && size.height() <= MaxSide;
}

namespace {

quint32 le32(const QByteArray &bytes, qsizetype at)
{
    return at + 4 <= bytes.size() ? qFromLittleEndian<quint32>(bytes.constData() + at) : 0;
}

quint16 le16(const QByteArray &bytes, qsizetype at)
{
    return at + 2 <= bytes.size() ? qFromLittleEndian<quint16>(bytes.constData() + at) : 0;
}

// Whether the file holds all the bytes its headers promise. The decoders read a cut-off bitmap
// without complaint and show what they found, half a picture over black.
bool isWhole(QFile &file, const QByteArray &format)
{
    const qint64 size = file.size();
    const QByteArray head = file.read(6 + 16 * 64);
    if (format == "bmp") {
        if (head.size() < 30 || !head.startsWith("BM"))
            return false;
        const qint64 offset = le32(head, 10);
        const quint32 dib = le32(head, 14);
        qint64 width = 0, height = 0, bits = 0, compression = 0, imageSize = 0;
        if (dib == 12) {
            width = le16(head, 18);
            height = le16(head, 20);
            bits = le16(head, 24);
        } else {
            width = qint32(le32(head, 18));
            height = qint32(le32(head, 22));
            bits = le16(head, 28);
            compression = le32(head, 30);
            imageSize = le32(head, 34);
        }
        const bool plain = compression == 0 || compression == 3 || compression == 6;
        const qint64 stride = (std::abs(width) * bits + 31) / 32 * 4;
        return size >= offset + (plain ? stride * std::abs(height) : imageSize);
    }
    if (format == "ico" || format == "cur") {
        const int count = le16(head, 4);
        if (count < 1 || head.size() < 6 + 16 * qMin(count, 64))
            return false;
        for (int i = 0; i < qMin(count, 64); ++i) {
            const qsizetype entry = 6 + 16 * i;
            if (qint64(le32(head, entry + 12)) + le32(head, entry + 8) > size)
                return false;
        }
        return true;
    }
    return true;
}

} // namespace

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
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw RuntimeError(QStringLiteral("Datei nicht gefunden: %1").arg(path));
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (!isWhole(file, format))
        throw RuntimeError(QStringLiteral("Unvollständiges Bild: %1").arg(path));
    file.seek(0);
    QImageReader reader(&file, format);
    reader.setAutoDetectImageFormat(false);
    if (reader.size().isValid() && !withinBound(reader.size()))
        throw RuntimeError(QStringLiteral("Zu großes Bild: %1").arg(path));
    const QImage picture = reader.read();
    if (picture.isNull() || !withinBound(picture.size()))
        throw RuntimeError(QStringLiteral("Ungültiges Bild: %1").arg(path));
    return path;
}

QSize naturalSize(const QString &source)
{
    if (!isSvg(source)) {
        QImageReader reader(source);
        prepare(reader, source);
        const QSize size = reader.size();
        return withinBound(size) ? size : QSize();
    }
    // Reading a drawing's size parses all of it, and a control asks again before it draws it. The
    // built-in drawings never change, so each is parsed for its size once per run.
    if (!isResource(source))
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
        const QString file = rasterFor(source, devicePixelRatio);
        QImageReader reader(file);
        prepare(reader, file);
        if (!withinBound(reader.size()))
            return {};
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
        const auto draw = [&] {
            const int side = 32;
            const QPixmap picture = render(pointer.picture, QSize(side, side), devicePixelRatio);
            const int hotX = pointer.hotX < 0 ? side / 2 : pointer.hotX;
            const int hotY = pointer.hotY < 0 ? side / 2 : pointer.hotY;
            return QCursor(picture, qRound(hotX * devicePixelRatio), qRound(hotY * devicePixelRatio));
        };
        // A file beside the program is read at each use. The built-in drawings never change and
        // several controls share one hand, so each of those is drawn once per run: the splash
        // screen, the first window, would otherwise draw the hand four times before it shows.
        if (!isResource(pointer.picture))
            return draw();
        static QHash<QString, QCursor> drawn;
        const QString key = QStringLiteral("%1|%2|%3|%4").arg(pointer.picture).arg(pointer.hotX).arg(pointer.hotY).arg(devicePixelRatio);
        auto found = drawn.constFind(key);
        if (found == drawn.cend())
            found = drawn.insert(key, draw());
        return *found;
    }
    case Pointer::Default:
        break;
    }
    return QCursor(Qt::ArrowCursor);
}

} // namespace Pictures
