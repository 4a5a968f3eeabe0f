#include "levels.h"

using namespace VbColors;

const std::array<LevelRule, 5> &fangLevels()
{
    static const std::array<LevelRule, 5> levels{{
        //  n  screen      caption    background  stored face  face on load  gap  points  motion               max  design client
        {1, "frmMaus1", "Übung1", 0x00800000, ButtonFace, Blue, 5, 10, LevelRule::Still, 0, 11970, 10050},
        {2, "frmMaus2", "Übung2", 0x00008000, ButtonFace, Green, 10, 15, LevelRule::Sideways, 8, 11250, 9420},
        {3, "frmMaus3", "Übung3", 0x00000080, 0x000080FF, std::nullopt, 10, 20, LevelRule::UpDown, 50, 11160, 8610},
        {4, "frmMaus4", "Übung4", 0x00008080, 0x0000FFFF, std::nullopt, 10, 25, LevelRule::Both, 50, 12330, 9165},
        {5, "frmMaus5", "", 0x00800080, 0x00FF00FF, std::nullopt, 10, 30, LevelRule::Both, 100, 12210, 9795},
    }};
    return levels;
}

const LevelRule &fangLevel(int number)
{
    return fangLevels().at(size_t(number - 1));
}
