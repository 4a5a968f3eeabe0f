#include "frmwinner.h"

#include "app/assets.h"
#include "frmmaus.h"
#include "screens/hub/frmauswahl.h"

using enum ControlKind;

FrmWinner::FrmWinner(Program &program)
    : ProgramScreen(program, QStringLiteral("frmWinner"))
{
}

const ScreenDesign &FrmWinner::design() const
{
    static const ScreenDesign layout{
        .caption = QStringLiteral("Glückwunsch"),
        .clientWidth = 9600,
        .clientHeight = 7065,
        .backColor = 0x00C0FFC0,
        .frame = WindowFrame::FixedSingle,
        .minMaxButtons = true,
        .icon = Assets::MouseIcon,
        .controls = {
            {"imgSmiley1", Image, NoIndex, "", {3000, 720, 3720, 3360}, style().pic(Assets::Smiley).stretched()},
            {"cmdEnde", Button, NoIndex, "Ende", {1920, 5160, 2535, 975},
             style().fontFace("Arial", 24).bold().cancelButton().tab(1)},
            {"cmdWeiter", Button, NoIndex, "Weiter", {5280, 5160, 2535, 975},
             style().fontFace("Arial", 24).bold().defaultButton().tab(0)},
        },
    };
    return layout;
}

void FrmWinner::connectHandlers()
{
    on("cmdWeiter", Event::Click, [this](const EventArgs &) { cmdWeiter_Click(); });
    on("cmdEnde", Event::Click, [this](const EventArgs &) { cmdEnde_Click(); });
}

void FrmWinner::cmdWeiter_Click()
{
    vars().VersucheFang += 1;
    nav().unload(*this);
    // After the last level the hub comes back; there is no sixth level.
    if (vars().LevelFertig >= 1 && vars().LevelFertig < fangLevels().size())
        nav().show(program().frmMaus(vars().LevelFertig + 1));
    else
        nav().show(program().frmAuswahl());
}

void FrmWinner::cmdEnde_Click()
{
    vars().VersucheFang += 1;
    nav().unload(*this);
    nav().showModal(program().frmAuswahl());
}
