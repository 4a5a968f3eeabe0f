#include "board.h"

#include "app/randomsource.h"

#include <cmath>
#include <optional>
#include <vector>

namespace Board {

float side(int i)
{
    return 1455.0f - 120.0f * float(i - 1);
}

float fontSize(int i)
{
    return i == 10 ? 9.75f : 24.0f;
}

float rowLeft(int k, float gap)
{
    float x = 0;
    for (int m = 1; m < k; ++m)
        x += gap + side(m);
    return x + 45;
}

bool spansOverlap(float leftA, float widthA, float leftB, float widthB)
{
    return leftA < leftB + widthB && leftB < leftA + widthA;
}

namespace {

// Nearest whole twip, halves to the even neighbour.
float roundHalfEven(double value)
{
    return float(std::nearbyint(value));
}

// The lowest top edge keeps the bottom strip free for the finished row: button 1's height and
// 10 twips more, whatever the size of the button placed.
float drawTop(int i, float clientHeight, RandomSource &random)
{
    return roundHalfEven(double(clientHeight - side(1) - 10 - side(i)) * random.next() + 1);
}

bool fits(const Layout &layout, int i, float left)
{
    for (int j = 1; j < i; ++j)
        if (spansOverlap(left, side(i), layout[j].left, side(j)))
            return false;
    return true;
}

// Every whole-twip Left where button i fits among the earlier ones, drawn evenly: where the
// blind tries would have landed sooner or later.
std::optional<float> drawFreeLeft(const Layout &layout, int i, float clientWidth, RandomSource &random)
{
    std::vector<float> free;
    for (float left = 0; left <= clientWidth - side(i); left += 1)
        if (fits(layout, i, left))
            free.push_back(left);
    if (free.empty())
        return std::nullopt;
    return free[size_t(random.next() * float(free.size())) % free.size()];
}

bool tryScatter(Layout &layout, float clientWidth, float clientHeight, RandomSource &random)
{
    for (int i = 1; i <= Buttons; ++i) {
        for (int tries = 1;; ++tries) {
            layout[i].left = roundHalfEven(double(clientWidth - side(i)) * random.next());
            layout[i].top = drawTop(i, clientHeight, random);
            if (fits(layout, i, layout[i].left))
                break;
            if (tries < MaxTries)
                continue;
            // So many misses mean the free spans are narrow or gone. Where one is wide enough
            // the button goes there; where none is, this board is a dead end.
            const std::optional<float> left = drawFreeLeft(layout, i, clientWidth, random);
            if (!left)
                return false;
            layout[i].left = *left;
            break;
        }
    }
    return true;
}

// The last resort: the buttons side by side from 1 to 10 with even gaps, which always fits
// because their widths add up to 9150 twips.
Layout sideBySide(float clientWidth, float clientHeight, RandomSource &random)
{
    Layout layout{};
    float total = 0;
    for (int i = 1; i <= Buttons; ++i)
        total += side(i);
    const float gap = std::floor((clientWidth - total) / float(Buttons + 1));
    float x = gap;
    for (int i = 1; i <= Buttons; ++i) {
        layout[i] = {x, drawTop(i, clientHeight, random)};
        x += side(i) + gap;
    }
    return layout;
}

} // namespace

Layout scatter(float clientWidth, float clientHeight, RandomSource &random)
{
    Layout layout{};
    for (int board = 0; board < MaxBoards; ++board)
        if (tryScatter(layout, clientWidth, clientHeight, random))
            return layout;
    return sideBySide(clientWidth, clientHeight, random);
}

} // namespace Board
