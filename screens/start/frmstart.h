#pragma once

#include "app/program.h"

// The name screen: where each child begins and where the program ends.
class FrmStart : public ProgramScreen
{
public:
    explicit FrmStart(Program &program);
    const ScreenDesign &design() const override;

    void cmdStart_Click();
    void cmdBeenden_Click();

protected:
    void connectHandlers() override;
    void Form_Load() override;
};
