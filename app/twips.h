#pragma once

#include <cmath>

// Every position and size of the program is in twips: 1440 per inch, 15 per logical pixel.
// Values keep their fractions; they become whole pixels only when applied to a widget, so a
// button that moves by 3 twips per tick moves on screen every fifth tick.
namespace Twips {

inline constexpr float PerPixel = 15.0f;

inline int toPixels(float twips)
{
    return int(std::lround(twips / PerPixel));
}

inline float fromPixels(float pixels)
{
    return pixels * PerPixel;
}

} // namespace Twips

struct TwipsRect
{
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};
