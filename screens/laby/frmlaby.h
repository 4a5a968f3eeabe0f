#pragma once

#include "app/program.h"

// The labyrinth: from the start button through the corridors to the goal, without touching a
// wall and without holding a mouse button.
class FrmLaby : public ProgramScreen
{
public:
    explicit FrmLaby(Program &program);
    const ScreenDesign &design() const override;

    void cmdStart_Click();
    void cmdStart_MouseMove(int Button, int Shift, float X, float Y);
    void Form_MouseMove(int Button, int Shift, float X, float Y);
    void Label1_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void picZiel_MouseMove(int Button, int Shift, float X, float Y);
    void picZiel_Click();

    // True from a start click until the attempt ends at a wall, at the goal or by a warning:
    // -1 true, 0 false.
    qint16 SpielLaeuft = 0;

protected:
    void connectHandlers() override;
    void Form_Load() override;

private:
    void warnHeldButton();
    void enlarge(Control &face, int steps);
    QString faceFile(const QString &file, const QString &builtIn) const;
};
