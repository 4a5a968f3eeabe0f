#pragma once

#include "app/program.h"

// The teacher password prompt. Every way of closing it leaves its verdict in PasswortOK first.
class FrmPasswort : public ProgramScreen
{
public:
    explicit FrmPasswort(Program &program);
    const ScreenDesign &design() const override;

    void cmdOK_Click();
    void cmdAbbrechen_Click();
    void cmdChangePW_Click();

protected:
    void connectHandlers() override;
    void Form_FrameClose() override;
};
