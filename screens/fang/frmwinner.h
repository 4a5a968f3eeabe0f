#pragma once

#include "app/program.h"

// The dialog after every level: on to the next level, or back to the hub.
class FrmWinner : public ProgramScreen
{
public:
    explicit FrmWinner(Program &program);
    const ScreenDesign &design() const override;

    void cmdWeiter_Click();
    void cmdEnde_Click();

protected:
    void connectHandlers() override;
};
