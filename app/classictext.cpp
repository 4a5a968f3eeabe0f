#include "classictext.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QCoreApplication>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

// What one font needs for measuring: its glyphs at the size drawn, and each glyph's advance in
// whole pixels, taken from the font's design units so that the rounding sees the exact value.
struct ClassicText::Face
{
    explicit Face(const QFont &font)
        : raw(QRawFont::fromFont(font))
        , fallback(font)
        , spacing(QFontMetricsF(font).lineSpacing())
        , ascent(QFontMetrics(font).ascent())
    {
        design = raw;
        if (raw.isValid())
            design.setPixelSize(raw.unitsPerEm());
    }

    int advance(quint32 glyph) { return int(std::lrint(exact(glyph))); }

    // The glyph's advance in fractional pixels, from the font's design units. Rounding it, halves
    // go to the even pixel, as round-to-nearest does everywhere else.
    qreal exact(quint32 glyph)
    {
        auto it = advances.find(glyph);
        if (it != advances.end())
            return *it;
        const QList<QPointF> units = design.advancesForGlyphIndexes(QList<quint32>{glyph}, QRawFont::UseDesignMetrics);
        const qreal pixels = units.value(0).x() * raw.pixelSize() / raw.unitsPerEm();
        advances.insert(glyph, pixels);
        return pixels;
    }

    // How far right of the glyph's origin its ink reaches, in whole pixels.
    int inkRight(quint32 glyph)
    {
        auto it = inks.find(glyph);
        if (it != inks.end())
            return *it;
        const int right = int(std::ceil(raw.boundingRect(glyph).right()));
        inks.insert(glyph, right);
        return right;
    }

    QRawFont raw;
    QRawFont design;
    QFontMetricsF fallback;
    qreal spacing;
    int ascent;
    QHash<quint32, qreal> advances;
    QHash<quint32, int> inks;
};

namespace {

QHash<QString, std::shared_ptr<ClassicText::Face>> &faces()
{
    static QHash<QString, std::shared_ptr<ClassicText::Face>> all;
    return all;
}

std::shared_ptr<ClassicText::Face> faceFor(const QFont &font)
{
    // The fonts go with the application, before the font database they come from.
    static const bool released = [] {
        qAddPostRoutine([] { faces().clear(); });
        return true;
    }();
    Q_UNUSED(released);
    const QString key = font.key();
    auto it = faces().find(key);
    if (it == faces().end())
        it = faces().insert(key, std::make_shared<ClassicText::Face>(font));
    return *it;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ');
}

// Text that glyph by glyph would come out wrong: right-to-left letters, which would stand in
// reverse order, and marks and joiners, which only the font's shaping puts in their place.
bool needsShaping(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x0300)
            continue;
        switch (c.direction()) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirRLI:
            return true;
        default:
            break;
        }
        if (c.isMark() || c.category() == QChar::Other_Format)
            return true;
    }
    return false;
}

} // namespace

// Per UTF-16 unit of a text: its glyph, how far it advances and how far its ink reaches. The
// second unit of a surrogate pair advances by nothing.
struct ClassicText::Measured
{
    QList<quint32> glyphs;
    std::vector<int> advance;
    std::vector<int> ink;
    // How much each advance gained by the rounding; the most gained are given back first when
    // a line has to be set closer.
    std::vector<qreal> gained;
    bool complete = true;
};

ClassicText::ClassicText(const QFont &font)
    : m_font(font)
    , m_face(faceFor(font))
{
}

ClassicText::Measured ClassicText::measure(const QString &text) const
{
    Measured m;
    const qsizetype n = text.size();
    m.advance.assign(size_t(n), 0);
    m.ink.assign(size_t(n), 0);
    m.gained.assign(size_t(n), 0);
    const bool shaped = needsShaping(text);
    if (m_face->raw.isValid() && !shaped)
        m.glyphs = m_face->raw.glyphIndexesForString(text);
    qsizetype g = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate();
        const quint32 glyph = g < m.glyphs.size() ? m.glyphs.at(g) : 0;
        ++g;
        if (glyph != 0) {
            m.advance[size_t(i)] = m_face->advance(glyph);
            m.ink[size_t(i)] = std::max(m.advance[size_t(i)], m_face->inkRight(glyph));
            m.gained[size_t(i)] = m.advance[size_t(i)] - m_face->exact(glyph);
        } else {
            // A character the face lacks is drawn from another font; it keeps that font's width.
            m.complete = false;
            const QString character = text.mid(i, pair ? 2 : 1);
            m.advance[size_t(i)] = int(std::lrint(m_face->fallback.horizontalAdvance(character)));
            m.ink[size_t(i)] = m.advance[size_t(i)];
        }
        if (pair)
            ++i;
    }
    if (shaped && n > 0) {
        // Shaped, the line is as wide as Qt sets it; the last character takes the difference.
        int sum = 0;
        for (int a : m.advance)
            sum += a;
        m.advance.back() += int(std::lrint(m_face->fallback.horizontalAdvance(text))) - sum;
        m.ink.back() = std::max(m.ink.back(), m.advance.back());
    }
    return m;
}

namespace {

int reachOf(const QString &line, const std::vector<int> &advance, const std::vector<int> &ink)
{
    int x = 0;
    int reach = 0;
    for (size_t i = 0; i < advance.size(); ++i) {
        if (!isBlank(line.at(qsizetype(i))))
            reach = std::max(reach, x + ink[i]);
        x += advance[i];
    }
    return std::max(x, reach);
}

} // namespace

std::vector<int> ClassicText::advances(const QString &line, const Measured &m, int fitInto)
{
    std::vector<int> advance = m.advance;
    if (fitInto < 0)
        return advance;
    int excess = reachOf(line, advance, m.ink) - fitInto;
    if (excess <= 0)
        return advance;
    // A word too wide for its label cannot wrap; its glyphs move closer, each by one pixel at
    // most, those that the rounding widened most first, so that it still shows whole if it can.
    std::vector<size_t> order;
    for (size_t i = 0; i < advance.size(); ++i)
        if (!isBlank(line.at(qsizetype(i))) && advance[i] > 1)
            order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return m.gained[a] > m.gained[b]; });
    for (size_t i : order) {
        if (excess <= 0)
            break;
        --advance[i];
        --excess;
    }
    return advance;
}

int ClassicText::width(const QString &line, int fitInto) const
{
    int total = 0;
    for (int a : advances(line, measure(line), fitInto))
        total += a;
    return total;
}

int ClassicText::extent(const QString &line) const
{
    const Measured m = measure(line);
    return reachOf(line, m.advance, m.ink);
}

QStringList ClassicText::wrap(const QString &text, int widthPixels) const
{
    QStringList lines;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        if (widthPixels < 0 || paragraph.isEmpty()) {
            lines.append(paragraph);
            continue;
        }
        const Measured m = measure(paragraph);
        const qsizetype n = paragraph.size();
        qsizetype start = 0;
        while (start < n) {
            int x = 0;
            qsizetype i = start;
            qsizetype breakAt = -1; // where the last run of blanks begins
            qsizetype resume = -1;  // and where the text after it goes on
            bool overflow = false;
            while (i < n) {
                if (isBlank(paragraph.at(i))) {
                    // Blanks never push a line over its edge; they hang there until a word does.
                    breakAt = i;
                    while (i < n && isBlank(paragraph.at(i)))
                        x += m.advance[size_t(i++)];
                    resume = i;
                    continue;
                }
                if (std::max(x + m.advance[size_t(i)], x + m.ink[size_t(i)]) > widthPixels) {
                    overflow = true;
                    break;
                }
                x += m.advance[size_t(i++)];
            }
            if (!overflow) {
                lines.append(paragraph.mid(start));
                break;
            }
            if (breakAt > start) {
                lines.append(paragraph.mid(start, breakAt - start));
                start = resume;
                continue;
            }
            // A word wider than the whole line is not split: it stands on a line of its own.
            while (i < n && !isBlank(paragraph.at(i)))
                ++i;
            qsizetype next = i;
            while (next < n && isBlank(paragraph.at(next)))
                ++next;
            if (next >= n) {
                lines.append(paragraph.mid(start));
                break;
            }
            lines.append(paragraph.mid(start, i - start));
            start = next;
        }
    }
    return lines;
}

qreal ClassicText::lineSpacing() const
{
    return m_face->spacing;
}

int ClassicText::lineTop(int line) const
{
    return int(std::lround(line * m_face->spacing));
}

void ClassicText::draw(QPainter &painter, QPoint topLeft, const QString &line, int fitInto) const
{
    if (line.isEmpty())
        return;
    const Measured m = measure(line);
    const QPointF baseline(topLeft.x(), topLeft.y() + m_face->ascent);
    if (!m.complete) {
        // Qt's own layout finds the missing characters in other fonts and shapes what needs it,
        // from the left edge whatever the text's direction.
        painter.setFont(m_font);
        painter.drawText(baseline, line);
        return;
    }
    const std::vector<int> advance = advances(line, m, fitInto);
    QList<QPointF> positions;
    positions.reserve(m.glyphs.size());
    int x = 0;
    for (size_t i = 0; i < advance.size(); ++i) {
        if (line.at(qsizetype(i)).isLowSurrogate())
            continue;
        positions.append(QPointF(x, 0));
        x += advance[i];
    }
    QGlyphRun run;
    run.setRawFont(m_face->raw);
    run.setGlyphIndexes(m.glyphs);
    run.setPositions(positions);
    painter.drawGlyphRun(baseline, run);
    // Underline and strikeout run under the blanks too, as far as the line's advance goes.
    const QFontMetricsF metrics(m_font);
    const qreal thickness = std::max<qreal>(1, std::round(metrics.lineWidth()));
    const QColor ink = painter.pen().color();
    if (m_font.underline())
        painter.fillRect(QRectF(baseline.x(), std::round(baseline.y() + metrics.underlinePos()), x, thickness), ink);
    if (m_font.strikeOut())
        painter.fillRect(QRectF(baseline.x(), std::round(baseline.y() - metrics.strikeOutPos()), x, thickness), ink);
}
