#include "frmlaby.h"

#include "app/assets.h"
#include "app/errors.h"
#include "app/pictures.h"
#include "maze.h"
#include "screens/hub/frmauswahl.h"

#include <QDir>

using enum ControlKind;
using namespace VbColors;

namespace {

constexpr float FaceLeft = 4560;
constexpr float FaceTop = 2760;

const QString WarningText = QStringLiteral("Beim Bewegen durch das Labyrinth bitte keine Maustasten drücken!");

} // namespace

FrmLaby::FrmLaby(Program &program)
    : ProgramScreen(program, QStringLiteral("frmLaby"))
{
}

const ScreenDesign &FrmLaby::design() const
{
    static const ScreenDesign layout = [] {
        ScreenDesign d{
            .caption = QStringLiteral("Das Labyrinth"),
            .clientWidth = 11910,
            .clientHeight = 8625,
            .backColor = White,
            .frame = WindowFrame::FixedSingle,
            .icon = Assets::MouseIcon,
            .pointer = Pointer::custom(Assets::Smiley),
            .controls = {
                {"cmdStart", Button, NoIndex, "", {0, 480, 1455, 1095},
                 style().face(White).pic(Assets::StartPicture).mask(White)},
                {"picZiel", PictureBox, NoIndex, "", {10800, 4080, 1020, 810},
                 style().pic(Assets::GoalPicture).autoSized().bordered().back(WindowBackground)},
            },
        };
        // The walls come before the faces, so that the faces are drawn above wall piece 5.
        for (int i = 0; i < Maze::Pieces; ++i)
            d.controls.push_back({"Label1", Label, i, "Label1", Maze::Walls[size_t(i)], style().back(Black)});
        d.controls.push_back({"imgSmiley", Image, NoIndex, "", {FaceLeft, FaceTop, 480, 480},
                              style().pic(Assets::Smiley).stretched().hidden()});
        d.controls.push_back({"imgSad", Image, NoIndex, "", {FaceLeft, FaceTop, 480, 480},
                              style().pic(Assets::Frown).stretched().hidden()});
        return d;
    }();
    return layout;
}

void FrmLaby::connectHandlers()
{
    on("cmdStart", Event::Click, [this](const EventArgs &) { cmdStart_Click(); });
    on("cmdStart", Event::MouseMove, [this](const EventArgs &e) { cmdStart_MouseMove(e.button, e.shift, e.x, e.y); });
    onForm(Event::MouseMove, [this](const EventArgs &e) { Form_MouseMove(e.button, e.shift, e.x, e.y); });
    on("Label1", Event::MouseMove, [this](const EventArgs &e) { Label1_MouseMove(e.index, e.button, e.shift, e.x, e.y); });
    on("picZiel", Event::MouseMove, [this](const EventArgs &e) { picZiel_MouseMove(e.button, e.shift, e.x, e.y); });
    on("picZiel", Event::Click, [this](const EventArgs &) { picZiel_Click(); });
}

void FrmLaby::Form_Load()
{
    setWidth(12000);
    setHeight(9000);
    SpielLaeuft = 0;
    guarded([this] {
        ctl("imgSad").setVisible(false);
        ctl("imgSmiley").setVisible(false);
    });
}

void FrmLaby::cmdStart_Click()
{
    SpielLaeuft = -1;
    setMousePointer(Pointer::custom(faceFile(QStringLiteral("Face02.ico"), Assets::Smiley)));
    ctl("imgSad").setVisible(false);
    ctl("imgSmiley").setVisible(false);
    for (const char *face : {"imgSmiley", "imgSad"}) {
        ctl(face).setWidth(32);
        ctl(face).setHeight(32);
    }
}

void FrmLaby::cmdStart_MouseMove(int Button, int, float X, float Y)
{
    // A press on the start button that is dragged on into the maze; dragging up or left out of
    // the button, or staying on it, is an ordinary click.
    const Control &start = ctl("cmdStart");
    if (Button > 0 && (X >= start.width() || Y > start.height()))
        warnHeldButton();
}

void FrmLaby::Form_MouseMove(int Button, int, float, float)
{
    if (Button > 0)
        warnHeldButton();
}

void FrmLaby::Label1_MouseMove(int, int Button, int, float, float)
{
    if (Button > 0)
        warnHeldButton();
    if (!SpielLaeuft)
        return;
    Control &sad = ctl("imgSad");
    sad.setVisible(true);
    setMousePointer(Pointer::custom(faceFile(QStringLiteral("Face04.ico"), Assets::Frown)));
    sad.setPicture(faceFile(QStringLiteral("Face04.ico"), Assets::Frown));
    vars().VersucheLaby += 1;
    vars().Fehler += 1;
    SpielLaeuft = 0;
    enlarge(sad, 20);
}

void FrmLaby::picZiel_MouseMove(int, int, float, float)
{
    if (!SpielLaeuft)
        return;
    Control &smiley = ctl("imgSmiley");
    smiley.setVisible(true);
    setMousePointer(Pointer::custom(faceFile(QStringLiteral("Face02.ico"), Assets::Smiley)));
    SpielLaeuft = 0;
    enlarge(smiley, 15);
    vars().PunkteLaby += 50;
    vars().VersucheLaby += 1;
}

void FrmLaby::picZiel_Click()
{
    nav().unload(*this);
    nav().showModal(program().frmAuswahl());
}

void FrmLaby::warnHeldButton()
{
    SpielLaeuft = 0;
    nav().message(WarningText);
}

void FrmLaby::enlarge(Control &face, int steps)
{
    // The face grows from its top-left corner; only the last size is ever painted.
    for (int i = 0; i < steps; ++i) {
        face.setWidth(face.width() + 10);
        face.setHeight(face.height() + 10);
    }
}

QString FrmLaby::faceFile(const QString &file, const QString &builtIn) const
{
    // The face files lie beside the program and are read anew at every use. One that is missing
    // or holds no picture must not end a child's game: the built-in face takes its place.
    try {
        return Pictures::loadFile(QDir(program().appPath()).filePath(file));
    } catch (const RuntimeError &) {
        return builtIn;
    }
}
