#pragma once

#include "app/program.h"
#include "levels.h"

#include <array>

// One level of "Voze ziv Urared": the board of ten numbered buttons to press from 1 to 10.
// The five levels are five objects of this class, each with its row of the level table.
class FrmMaus : public ProgramScreen
{
public:
    FrmMaus(Program &program, const LevelRule &level);
    const ScreenDesign &design() const override { return m_design; }
    const LevelRule &level() const { return m_level; }

    void cmd1_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void tmrTimer_Timer();

    // The screen's own variables; they outlive an unload, and every load draws them anew.
    qint16 TempoMax = 0;
    std::array<qint16, 11> TempoX{}; // indexed 1 to 10
    std::array<qint16, 11> TempoY{};

protected:
    void connectHandlers() override;
    void Form_Load() override;

private:
    void placeButtons();
    void drawSteps();
    Control &cmd1(int index) const { return ctl(QStringLiteral("cmd1"), index); }

    const LevelRule &m_level;
    ScreenDesign m_design;
};
