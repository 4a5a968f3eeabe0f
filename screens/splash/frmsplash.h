#pragma once

#include "app/program.h"

// The opening screen: title, explanation, version, the credits with two links in them, a
// disclaimer and the contact. It hands over to the name screen after a minute, or at once at a
// click on it or a key.
class FrmSplash : public ProgramScreen
{
public:
    explicit FrmSplash(Program &program);
    const ScreenDesign &design() const override;

    // The credits: one caption whose two runs of blanks the links "Velmstifts" and "Orlingen"
    // lie over.
    static QString credits();

    void Timer1_Timer();
    void Form_Click();
    void Form_KeyPress(const QString &key);
    void Frame1_Click();
    void lblTitel_Click();
    void lblErklaerung_Click();
    void lblversion_Click();
    void lblAutoren_Click();
    void lblVelm2_Click();

protected:
    void connectHandlers() override;
    void Form_Load() override;

private:
    void leave();
};
