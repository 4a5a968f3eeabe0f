#pragma once

#include "app/program.h"

// The certificate: the background picture with the child's name and points on it. Anyone may
// print it; in edit mode, after the teacher password, the two texts can be dragged, given
// another font, and their layout stored.
class FrmUrkunde : public ProgramScreen
{
public:
    explicit FrmUrkunde(Program &program);
    const ScreenDesign &design() const override;

    // Both live for the whole run; leaving the screen ends edit mode, the selection stays.
    qint16 EditierModus = 0;
    qint16 AktivesLabel = 0;

    void cmdLabel_Click(int Index);
    void Form_MouseMove(int Button, int Shift, float X, float Y);
    void cmdEdit_Click();
    void cmdSchrift_Click();
    void cmdSpeichern_Click();
    void cmdDrucken_Click();
    void cmdBeenden_Click();

    // The buttons in the order printing hides and shows them.
    static const QStringList &buttonsInPrintOrder();

protected:
    void connectHandlers() override;
    void Form_Load() override;
    void Form_FrameClose() override;

private:
    float readPosition(const QString &key, double defaultValue) const;
    float readFontSize(const QString &key) const;
    QString readFace(const QString &key) const;
};
