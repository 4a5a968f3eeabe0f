#pragma once

#include "app/vbcolor.h"

#include <QString>

#include <array>
#include <optional>

// The five levels of "Voze ziv Urared": one board, five rows of this table.
struct LevelRule
{
    enum Motion { Still, Sideways, UpDown, Both };

    int number;                 // also the value of LevelFertig when the level is finished
    QString screen;
    QString caption;
    VbColor background;
    VbColor designFace;         // face colour of the stored layout
    std::optional<VbColor> faceOnLoad;
    float rowGap;               // twips between neighbours in the finished row
    int points;
    Motion motion;
    int tempoMax;               // steps are drawn from -tempoMax to tempoMax - 1
    float designWidth;          // client area of the stored layout, replaced on load
    float designHeight;

    bool movesX() const { return motion == Sideways || motion == Both; }
    bool movesY() const { return motion == UpDown || motion == Both; }
    bool moves() const { return motion != Still; }
};

const std::array<LevelRule, 5> &fangLevels();
const LevelRule &fangLevel(int number);
