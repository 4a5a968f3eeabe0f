#include "frmstart.h"

#include "app/assets.h"
#include "screens/hub/frmauswahl.h"
#include "screens/start/frmbedienung.h"

using enum ControlKind;
using namespace VbColors;

FrmStart::FrmStart(Program &program)
    : ProgramScreen(program, QStringLiteral("frmStart"))
{
}

const ScreenDesign &FrmStart::design() const
{
    static const ScreenDesign layout{
        .caption = QStringLiteral("Willkommen zum Zeigerdiplom!"),
        .clientWidth = 12015,
        .clientHeight = 8760,
        .backColor = Black,
        .frame = WindowFrame::FixedDialog,
        .icon = Assets::MouseIcon,
        .controls = {
            {"Label1", Label, NoIndex, "Gib bitte Deinen Namen an:", {1425, 600, 9405, 840},
             style().fore(White).withTransparent().centred().autoSized().fontFace("Arial", 36).bold()},
            {"Label2", Label, NoIndex, "Name : ", {2280, 3840, 2520, 825},
             style().fore(HighlightText).withTransparent().autoSized().fontFace("Arial", 36)},
            {"txtName", TextBox, NoIndex, "", {4680, 3840, 4575, 855},
             style().fore(Black).back(WindowBackground).fontFace("Arial", 27.75f).tab(2)},
            {"cmdStart", Button, NoIndex, "&Start", {9240, 7320, 2415, 975},
             style().fontFace("Arial", 26.25f).defaultButton().tab(3)},
            {"cmdBeenden", Button, NoIndex, "&Beenden", {240, 7320, 2415, 975},
             style().fontFace("Arial", 26.25f).cancelButton().tab(4)},
        },
    };
    return layout;
}

void FrmStart::connectHandlers()
{
    on("cmdStart", Event::Click, [this](const EventArgs &) { cmdStart_Click(); });
    on("cmdBeenden", Event::Click, [this](const EventArgs &) { cmdBeenden_Click(); });
}

void FrmStart::Form_Load()
{
    setWidth(12000);
    setHeight(9000);
    vars().resetScore();
}

void FrmStart::cmdStart_Click()
{
    vars().Schueler = ctl("txtName").caption();
    // The name screen stays visible behind the instructions; once they are read it goes and
    // the hub opens.
    nav().showModal(program().frmBedienung(), [this] {
        nav().unload(*this);
        nav().showModal(program().frmAuswahl());
    });
}

void FrmStart::cmdBeenden_Click()
{
    nav().unload(*this);
    nav().message(QStringLiteral("Vielen Dank, dass Sie sich für das Produkt entschieden haben!"),
                  MsgIcon::Information);
}
