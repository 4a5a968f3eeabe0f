#pragma once

#include "app/twips.h"

#include <array>

// The labyrinth is its wall table: 22 black pieces, overlapping where they meet so that no seam
// stays open. Pieces on the right and bottom edge reach past the window and are cut off by it.
namespace Maze {

inline constexpr int Pieces = 22;

inline constexpr std::array<TwipsRect, Pieces> Walls{{
    {0, 0, 1455, 495},        // 0  left edge, above the start button
    {0, 1560, 1455, 7215},    // 1  left edge, below the start button
    {1440, 8160, 735, 615},   // 2  bottom edge under corridor 1
    {2160, 0, 1455, 4695},    // 3  divider 1, upper part
    {2160, 5400, 1455, 3375}, // 4  divider 1, lower part
    {4320, 0, 1455, 3255},    // 5  divider 2, upper part
    {4320, 3960, 1455, 3495}, // 6  divider 2, middle part
    {3600, 8160, 2895, 615},  // 7  bottom edge under corridors 2 and 3
    {6480, 0, 1455, 495},     // 8  divider 3, top stub
    {6480, 1200, 1455, 4455}, // 9  divider 3, middle part
    {6480, 6360, 1455, 2415}, // 10 divider 3, lower part
    {8640, 0, 1455, 3135},    // 11 divider 4, upper part
    {8640, 3840, 1455, 3735}, // 12 divider 4, middle part
    {10800, 0, 1215, 4095},   // 13 right edge, above the goal
    {10800, 4800, 1215, 3975},// 14 right edge, below the goal
    {1440, 0, 735, 495},      // 15 top edge over corridor 1
    {3600, 0, 735, 495},      // 16 top edge over corridor 2
    {5760, 0, 735, 495},      // 17 top edge over corridor 3
    {7920, 0, 735, 495},      // 18 top edge over corridor 4
    {10080, 0, 735, 495},     // 19 top edge over corridor 5
    {7920, 8160, 2895, 615},  // 20 bottom edge under corridors 4 and 5
    {11760, 4080, 255, 855},  // 21 right of the goal, up to the window edge
}};

} // namespace Maze
