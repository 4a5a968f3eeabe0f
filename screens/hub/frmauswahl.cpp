#include "frmauswahl.h"

#include "app/assets.h"
#include "app/oneline.h"
#include "app/pictures.h"
#include "screens/fang/frmmaus.h"
#include "screens/laby/frmlaby.h"
#include "screens/start/frmstart.h"
#include "screens/urkunde/frmurkunde.h"
#include "settings/settingsstore.h"

using enum ControlKind;
using namespace VbColors;

namespace {
constexpr VbColor Teal = 0x00C0C000;
}

FrmAuswahl::FrmAuswahl(Program &program)
    : ProgramScreen(program, QStringLiteral("frmAuswahl"))
{
}

const ScreenDesign &FrmAuswahl::design() const
{
    static const Style label = style().back(Teal);
    static const Style number = label.centred().fontFace("Arial", 26.25f).bold();
    static const Style caption = label.fontFace("Times New Roman", 24).bold();
    static const Style rule = style().fore(WindowText).width(5);
    static const ScreenDesign layout{
        .caption = QStringLiteral("S P I E L     A U S W A H L"),
        .clientWidth = 11985,
        .clientHeight = 8670,
        .backColor = Teal,
        .frame = WindowFrame::FixedSingle,
        .icon = Assets::HubMouseIcon,
        .controls = {
            {"Image1", Image, NoIndex, "", {0, 120, 720, 720}, style().pic(Assets::Smiley).stretched()},
            {"lblSchüler", Label, NoIndex, "", {720, 240, 5085, 600}, label.fontFace("Arial", 24).bold()},
            {"lblPunkte", Label, NoIndex, "", {6120, 240, 855, 495}, number.fore(Green)},
            {"lblPunktestand", Label, NoIndex, "Punkte", {7080, 240, 1455, 495}, caption},
            {"lblVersuche", Label, NoIndex, "", {9000, 240, 855, 495}, number.fore(Blue)},
            {"lblVersuchsanzeige", Label, NoIndex, "Versuche", {9840, 240, 1935, 495}, caption},
            {"cmdUrkunde", Button, NoIndex, "Urkunde", {6000, 1080, 2655, 735},
             style().face(Yellow).fontFace("MS Sans Serif", 24).tab(7)},
            {"lblFehler", Label, NoIndex, "", {9000, 1200, 855, 495}, number.fore(Red)},
            {"lblFehleranzeige", Label, NoIndex, "Fehler", {9840, 1200, 1935, 495}, caption},
            lineSpec("Line2", NoIndex, 0, 960, 12000, 960, rule),
            lineSpec("lneLinie1", 0, 5880, 0, 5880, 960, rule),
            lineSpec("lneLinie1", 1, 5880, 960, 5880, 1920, rule),
            lineSpec("Line1", 0, 8760, 0, 8760, 960, rule),
            lineSpec("Line1", 1, 8760, 960, 8760, 1920, rule),
            lineSpec("Line3", 0, 12000, 1920, 8760, 1920, rule),
            lineSpec("Line3", 1, 8760, 1920, 5880, 1920, rule),
            {"imgFang", Image, 0, "", {840, 2400, 4860, 4800},
             style().pic(Pictures::isAvailable(Assets::FangTile) ? Assets::FangTile : QString()).stretched().bordered()},
            {"imgLaby", Image, 1, "", {6240, 2400, 4905, 4785},
             style().pic(Pictures::isAvailable(Assets::LabyTile) ? Assets::LabyTile : QString()).stretched().bordered()},
            {"cmdEnde", Button, NoIndex, "Ende", {5280, 7680, 1455, 735},
             style().face(Red).fontFace("MS Sans Serif", 18).tab(8)},
        },
    };
    return layout;
}

void FrmAuswahl::connectHandlers()
{
    on("imgFang", Event::Click, [this](const EventArgs &e) { imgFang_Click(e.index); });
    on("imgLaby", Event::Click, [this](const EventArgs &e) { imgLaby_Click(e.index); });
    on("cmdUrkunde", Event::Click, [this](const EventArgs &) { cmdUrkunde_Click(); });
    on("cmdEnde", Event::Click, [this](const EventArgs &) { cmdEnde_Click(); });
}

void FrmAuswahl::Form_Load()
{
    setWidth(12000);
    setHeight(9000);
    ctl("lblSchüler").setCaption(oneLine(vars().Schueler));
    ctl("lblPunkte").setCaption(QString::number((vars().PunkteFang + vars().PunkteLaby).value()));
    ctl("lblVersuche").setCaption(QString::number((vars().VersucheFang + vars().VersucheLaby).value()));
    ctl("lblFehler").setCaption(QString::number(vars().Fehler.value()));
    vars().PasswortAktuell = program().settings().ReadSetting(
        QStringLiteral("Zeigerdiplom"), QStringLiteral("Einstellungen"), QStringLiteral("Passwort"),
        QStringLiteral("731904"));
}

void FrmAuswahl::imgFang_Click(int)
{
    nav().unload(*this);
    nav().showModal(program().frmMaus(1));
}

void FrmAuswahl::imgLaby_Click(int)
{
    nav().unload(*this);
    nav().showModal(program().frmLaby());
}

void FrmAuswahl::cmdUrkunde_Click()
{
    // The hub stays loaded under the certificate and is active again when it closes.
    nav().showModal(program().frmUrkunde());
}

void FrmAuswahl::cmdEnde_Click()
{
    nav().unload(*this);
    nav().show(program().frmStart());
}
