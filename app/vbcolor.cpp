#include "vbcolor.h"

#include <QApplication>
#include <QPalette>

QColor toQColor(VbColor color)
{
    if (!(color & 0x80000000u))
        return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);

    const QPalette palette = QApplication::palette();
    switch (color & 0xFF) {
    case 0x05:
        return palette.color(QPalette::Active, QPalette::Base);
    case 0x08:
        return palette.color(QPalette::Active, QPalette::Text);
    case 0x0A:
        // The palette has no window-border role; this is the light grey of the classic desktop.
        return QColor(0xB4, 0xB4, 0xB4);
    case 0x0E:
        return palette.color(QPalette::Active, QPalette::HighlightedText);
    case 0x0F:
        return palette.color(QPalette::Active, QPalette::Button);
    case 0x12:
        return palette.color(QPalette::Active, QPalette::ButtonText);
    default:
        return palette.color(QPalette::Active, QPalette::WindowText);
    }
}
