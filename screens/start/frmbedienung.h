#pragma once

#include "app/program.h"

// The instructions: greets the child by name and explains both games and the certificate.
class FrmBedienung : public ProgramScreen
{
public:
    explicit FrmBedienung(Program &program);
    const ScreenDesign &design() const override;

    void cmdGelesen_Click();

protected:
    void connectHandlers() override;
    void Form_Load() override;
};
