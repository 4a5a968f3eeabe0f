#pragma once

#include <QString>

// A text that belongs on one line, such as the child's name, as a label shows it: line breaks,
// tabs and the other control characters become blanks, as the name box showed them while the
// child typed. A name pasted with a line break in it would otherwise push its second half out
// of its label.
inline QString oneLine(const QString &text)
{
    QString line = text;
    for (QChar &c : line) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return line;
}
