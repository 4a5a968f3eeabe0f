#pragma once

#include <QColor>

// Colours as the designs write them: &H00BBGGRR&, red in the low byte. A value with the high bit
// set names an entry of the desktop's system colour table and follows the desktop palette.
using VbColor = quint32;

namespace VbColors {

inline constexpr VbColor Black = 0x00000000;
inline constexpr VbColor White = 0x00FFFFFF;
inline constexpr VbColor Red = 0x000000FF;
inline constexpr VbColor Green = 0x0000FF00;
inline constexpr VbColor Blue = 0x00FF0000;
inline constexpr VbColor Yellow = 0x0000FFFF;

inline constexpr VbColor WindowBackground = 0x80000005;
inline constexpr VbColor WindowText = 0x80000008;
inline constexpr VbColor ActiveBorder = 0x8000000A;
inline constexpr VbColor HighlightText = 0x8000000E;
inline constexpr VbColor ButtonFace = 0x8000000F;
inline constexpr VbColor ButtonText = 0x80000012;

} // namespace VbColors

QColor toQColor(VbColor color);
