#include "frmpasswort.h"

#include "app/assets.h"
#include "frmchangepw.h"

using enum ControlKind;

FrmPasswort::FrmPasswort(Program &program)
    : ProgramScreen(program, QStringLiteral("frmPasswort"))
{
}

const ScreenDesign &FrmPasswort::design() const
{
    static const ScreenDesign layout{
        .caption = QStringLiteral("Passworteingabe:"),
        .clientWidth = 3975,
        .clientHeight = 1770,
        .frame = WindowFrame::FixedSingle,
        .icon = Assets::MouseIcon,
        .controls = {
            {"lblPasswort", Label, NoIndex, "Bitte geben Sie das Passwort zur Urkundenänderung ein:",
             {120, 120, 3735, 495}, style().centred().fontFace("MS Sans Serif", 9.75f).bold()},
            {"txtPasswort", TextBox, NoIndex, "", {120, 840, 3735, 375}, style().password('*').tab(0)},
            {"cmdOK", Button, NoIndex, "OK", {120, 1320, 1095, 375}, style().defaultButton().tab(1)},
            {"cmdChangePW", Button, NoIndex, "Ändern", {1440, 1320, 1095, 375}, style().tab(3)},
            {"cmdAbbrechen", Button, NoIndex, "Abbrechen", {2760, 1320, 1095, 375},
             style().cancelButton().tab(2)},
        },
    };
    return layout;
}

void FrmPasswort::connectHandlers()
{
    on("cmdOK", Event::Click, [this](const EventArgs &) { cmdOK_Click(); });
    on("cmdAbbrechen", Event::Click, [this](const EventArgs &) { cmdAbbrechen_Click(); });
    on("cmdChangePW", Event::Click, [this](const EventArgs &) { cmdChangePW_Click(); });
}

void FrmPasswort::cmdOK_Click()
{
    // Exactly the same text: case and blanks count, and the empty text is a password too.
    if (ctl("txtPasswort").caption() == vars().PasswortAktuell) {
        vars().PasswortOK = -1;
    } else {
        nav().message(QStringLiteral("Passwort ist falsch!"));
        vars().PasswortOK = 0;
    }
    nav().unload(*this);
}

void FrmPasswort::cmdAbbrechen_Click()
{
    vars().PasswortOK = 0;
    nav().unload(*this);
}

void FrmPasswort::Form_FrameClose()
{
    vars().PasswortOK = 0;
}

void FrmPasswort::cmdChangePW_Click()
{
    // The prompt ends refused; after a change the teacher asks for edit mode again.
    vars().PasswortOK = 0;
    nav().unload(*this);
    nav().showModal(program().frmChangePW());
}
