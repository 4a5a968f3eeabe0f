#pragma once

#include "app/program.h"

// The password change: the old password or the master password, then the new one, which is in
// force at once and stored.
class FrmChangePW : public ProgramScreen
{
public:
    explicit FrmChangePW(Program &program);
    const ScreenDesign &design() const override;

    void cmdÄndern_Click();
    void cmdAbbrechen_Click();

protected:
    void connectHandlers() override;
};
