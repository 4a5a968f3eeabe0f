#pragma once

#include <array>

class RandomSource;

// The rules of the number board that do not depend on a window: button sizes, the scattering
// of a new board and the finished row.
namespace Board {

inline constexpr int Buttons = 10;

// Button i (1 to 10) is a square of 1455 - 120 (i - 1) twips; widths strictly decrease.
float side(int i);
float fontSize(int i);

// Left of button k in the finished row: 45 twips from the edge, gap twips between neighbours.
float rowLeft(int k, float gap);

struct Place
{
    float left;
    float top;
};
using Layout = std::array<Place, Buttons + 1>; // indexed 1 to 10

// Whether two buttons' horizontal spans overlap; spans that only touch do not.
bool spansOverlap(float leftA, float widthA, float leftB, float widthB);

// Rejected tries of one button before the placement stops drawing blindly.
inline constexpr int MaxTries = 10000;
// Boards laid out from scratch after a dead end before the safe layout is taken.
inline constexpr int MaxBoards = 10;

// Scatters the ten buttons over the client area so that no two share a horizontal span, every
// top edge is at least 1 twip down and every bottom edge at least 1464 twips above the bottom.
Layout scatter(float clientWidth, float clientHeight, RandomSource &random);

} // namespace Board
