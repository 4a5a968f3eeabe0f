#pragma once

#include <QFont>
#include <QPoint>
#include <QRawFont>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QPainter;

// Text measured and set the way the classic desktop sets label text: every glyph advances by a
// whole number of pixels (its advance rounded to the nearest pixel, halves to the even one) and
// nothing is kerned. The designs were laid out with those widths; Qt's fractional advances make
// lines a few pixels longer, so a caption would wrap a word early and the controls laid over its
// gaps would no longer meet them.
class ClassicText
{
public:
    explicit ClassicText(const QFont &font);

    // Width of one line in whole pixels, trailing blanks included. A line wider than fitInto
    // (a word that could not wrap) is set closer, at most one pixel per glyph, to fit if it can.
    int width(const QString &line, int fitInto = -1) const;
    // The pixels a line needs to show whole: its width, or more where a glyph's ink reaches past
    // its advance.
    int extent(const QString &line) const;

    // The caption's lines: at every line feed, and where a line would run past widthPixels, at
    // the last run of blanks that still fits (the blanks themselves vanish at the break). A word
    // wider than the whole line stands alone on its line. A negative width never wraps.
    QStringList wrap(const QString &text, int widthPixels) const;

    // Distance from one line's top to the next, in pixels; lines start at whole pixels.
    qreal lineSpacing() const;
    int lineTop(int line) const;

    // Draws one line with its top-left corner at topLeft, each glyph on its whole pixel.
    void draw(QPainter &painter, QPoint topLeft, const QString &line, int fitInto = -1) const;

    struct Face;

private:
    struct Measured;
    Measured measure(const QString &text) const;
    static std::vector<int> advances(const QString &line, const Measured &m, int fitInto);

    QFont m_font;
    std::shared_ptr<Face> m_face;
};
