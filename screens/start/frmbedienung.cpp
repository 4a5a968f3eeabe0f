#include "frmbedienung.h"

#include "app/assets.h"
#include "app/oneline.h"

using enum ControlKind;
using namespace VbColors;

FrmBedienung::FrmBedienung(Program &program)
    : ProgramScreen(program, QStringLiteral("frmBedienung"))
{
}

const ScreenDesign &FrmBedienung::design() const
{
    // Every label here is opaque on the page's yellow.
    const Style label = style().back(Yellow);
    const Style greeting = label.fore(Blue).autoSized().fontFace("Arial", 20.25f);
    const Style heading = label.autoSized().fontFace("Arial", 14.25f).underlined();
    const Style line = label.autoSized().fontFace("MS Sans Serif", 9.75f);
    const Style text = label.fontFace("MS Sans Serif", 9.75f);

    static const ScreenDesign layout{
        .caption = QStringLiteral("Spielanleitung"),
        .clientWidth = 8805,
        .clientHeight = 8265,
        .backColor = Yellow,
        .frame = WindowFrame::ToolWindow,
        .icon = Assets::MouseIcon,
        .controls = {
            {"Label1", Label, NoIndex, "Eine kurze Einleitung", {2400, 120, 3825, 480},
             label.autoSized().fontFace("Arial", 20.25f).underlined()},
            {"lblHallo", Label, NoIndex, "Hallo, ", {120, 720, 1155, 480}, greeting},
            {"lblSchüler", Label, NoIndex, "1", {1200, 720, 225, 480}, greeting},
            {"lbl3", Label, NoIndex, ". So spielst du:", {1440, 720, 2715, 480}, greeting},
            {"lblKnöpfe", Label, 0, "Zum Spiel 1: Voze ziv Urared", {120, 1320, 3720, 330}, heading},
            {"Label2", Label, 0, "Drücke nacheinander auf die Knöpfe von 1 bis 10.", {120, 1680, 4380, 240}, line},
            {"Label2", Label, 2,
             "Am Ende jeden Levels erscheint ein Fenster, wo du entscheiden kannst, ob du ins nächste "
             "Level kommst oder aufhören willst.",
             {120, 1920, 8565, 435}, text},
            {"Label2", Label, 1,
             "Es werden jeweils deine Punkte, deine Fehler und deine Versuche gezählt, so dass du "
             "erfahren kannst, wie gut du bist.",
             {120, 2400, 8565, 555}, text},
            {"lblKnöpfe", Label, 1, "Zum Spiel 2: Labyrinth", {120, 3240, 2820, 330}, heading},
            {"Label2", Label, 3,
             "Versuche den Smiley mit der Maus durch das Labyrinth zu steuern, ohne die Wände zu berühren.",
             {120, 3600, 8535, 315}, text},
            {"Label2", Label, 4,
             "Du musst zuerst auf den Startknopf drücken, um mit dem Spiel beginnen zu können.",
             {120, 3840, 8565, 255}, text},
            {"Label2", Label, 6,
             "Solltest du in der Zwischenzeit eine der Wände berührt haben, klickst du einfach erneut "
             "auf den Startknopf und fängst von vorne an.",
             {120, 4080, 8565, 495}, text},
            {"Label2", Label, 5,
             "Solltest du es geschafft haben, das Ziel zu erreichen, wird das Spiel angehalten.",
             {120, 4560, 8565, 315}, text},
            {"Label2", Label, 9, "Beendet wird das Spiel mit einem Klick auf das Ziel- Symbol.",
             {120, 4800, 8565, 315}, text},
            {"lblKnöpfe", Label, 2, "Urkunden:", {120, 5280, 1275, 330}, heading},
            {"Label2", Label, 7,
             "Du kannst dir selbst Urkunden ausdrucken, auf denen deine Punktzahl steht.",
             {120, 5640, 8535, 315}, text},
            {"Label2", Label, 8,
             "Um sie jedoch bearbeiten zu können, muss deine Lehrerin ein Passwort eingeben.",
             {120, 5880, 8535, 315}, text},
            {"Label3", Label, NoIndex, "Hinweise für den Lehrer:", {120, 6360, 1725, 195},
             label.autoSized().fontFace("MS Sans Serif", 8.25f).underlined()},
            {"Label4", Label, NoIndex,
             "Das Passwort zum Bearbeiten der Urkunden wird beim ersten Start des Programmes auf "
             "\"731904\" gesetzt.",
             {120, 6600, 2805, 675}, label.fontFace("MS Sans Serif", 8.25f)},
            {"cmdGelesen", Button, NoIndex, "&Gelesen", {3000, 6600, 2295, 615},
             style().face(Green).fontFace("MS Sans Serif", 13.5f).tab(0)},
        },
    };
    return layout;
}

void FrmBedienung::connectHandlers()
{
    on("cmdGelesen", Event::Click, [this](const EventArgs &) { cmdGelesen_Click(); });
}

void FrmBedienung::Form_Load()
{
    ctl("lblSchüler").setCaption(oneLine(vars().Schueler));
    // ". So spielst du:" follows the name without a gap.
    ctl("lbl3").setLeft(ctl("lblSchüler").left() + ctl("lblSchüler").width());
}

void FrmBedienung::cmdGelesen_Click()
{
    nav().unload(*this);
}
