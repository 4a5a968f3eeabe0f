#include "frmchangepw.h"

#include "app/assets.h"
#include "settings/settingsstore.h"

using enum ControlKind;

FrmChangePW::FrmChangePW(Program &program)
    : ProgramScreen(program, QStringLiteral("frmChangePW"))
{
}

const ScreenDesign &FrmChangePW::design() const
{
    static const Style prompt = style().autoSized().fontFace("MS Sans Serif", 9.75f);
    static const ScreenDesign layout{
        .caption = QStringLiteral("Ändern des Passwortes"),
        .clientWidth = 3735,
        .clientHeight = 2775,
        .frame = WindowFrame::FixedSingle,
        .icon = Assets::MouseIcon,
        .controls = {
            {"lblText1", Label, 0, "Bitte geben Sie Ihr altes Passwort ein:", {120, 120, 3330, 240}, prompt},
            {"txtAltesPW", TextBox, NoIndex, "", {120, 480, 3495, 375}, style().password('*').tab(0)},
            {"lblText1", Label, 1, "Bitte geben Sie Ihr neues Passwort ein:", {120, 1200, 3450, 240}, prompt},
            {"txtNeuesPW", TextBox, NoIndex, "", {120, 1560, 3495, 375}, style().password('*').tab(1)},
            {"cmdÄndern", Button, NoIndex, "Ändern", {120, 2160, 1335, 495}, style().defaultButton().tab(2)},
            {"cmdAbbrechen", Button, NoIndex, "Abbrechen", {2280, 2160, 1335, 495},
             style().cancelButton().tab(3)},
        },
    };
    return layout;
}

void FrmChangePW::connectHandlers()
{
    on("cmdÄndern", Event::Click, [this](const EventArgs &) { cmdÄndern_Click(); });
    on("cmdAbbrechen", Event::Click, [this](const EventArgs &) { cmdAbbrechen_Click(); });
}

void FrmChangePW::cmdÄndern_Click()
{
    vars().Generalpasswort = QStringLiteral("Klassenlehrer");
    const QString old = ctl("txtAltesPW").caption();
    const bool isMaster = old == vars().Generalpasswort;
    const bool isCurrent = old == vars().PasswortAktuell;
    if (isMaster || isCurrent) {
        // In force at once, even should the store fail to keep it.
        vars().PasswortAktuell = ctl("txtNeuesPW").caption();
        program().settings().WriteSetting(QStringLiteral("Zeigerdiplom"), QStringLiteral("Einstellungen"),
                                          QStringLiteral("Passwort"), vars().PasswortAktuell);
    } else {
        nav().message(QStringLiteral("Falsches Passwort!"), MsgIcon::None,
                      QStringLiteral("Bitte richtiges Passwort eingeben!"));
    }
    nav().unload(*this);
}

void FrmChangePW::cmdAbbrechen_Click()
{
    nav().unload(*this);
}
