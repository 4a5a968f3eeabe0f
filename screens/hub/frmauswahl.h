#pragma once

#include "app/program.h"

// The hub: the child's name, the score board, the two game tiles and the certificate.
class FrmAuswahl : public ProgramScreen
{
public:
    explicit FrmAuswahl(Program &program);
    const ScreenDesign &design() const override;

    void imgFang_Click(int Index);
    void imgLaby_Click(int Index);
    void cmdUrkunde_Click();
    void cmdEnde_Click();

protected:
    void connectHandlers() override;
    void Form_Load() override;
};
