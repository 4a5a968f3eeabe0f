#include "frmmaus.h"

#include "app/assets.h"
#include "app/randomsource.h"
#include "board.h"
#include "frmwinner.h"

#include <cmath>

using enum ControlKind;

namespace {

ScreenDesign mausDesign(const LevelRule &level)
{
    ScreenDesign d{
        .caption = level.caption,
        .clientWidth = level.designWidth,
        .clientHeight = level.designHeight,
        .backColor = level.background,
        .frame = WindowFrame::FixedSingle,
        .icon = Assets::MouseIcon,
        .pointer = level.number == 1 ? Pointer::arrow() : Pointer(),
    };
    // The stored buttons stand side by side along the top edge with placeholder captions;
    // every load numbers them and scatters them before the window shows.
    float left = 0;
    for (int i = 1; i <= Board::Buttons; ++i) {
        d.controls.push_back({"cmd1", Button, i, QStringLiteral("Knopf"), {left, 0, Board::side(i), Board::side(i)},
                              style().face(level.designFace).fontFace("MS Sans Serif", Board::fontSize(i)).bold().noTabStop()});
        left += Board::side(i);
    }
    // The upper edge of the strip where the finished buttons line up.
    d.controls.push_back(lineSpec("Line1", NoIndex, 0, 7080, 11880, 7080, style().fore(VbColors::WindowText).width(4)));
    if (level.moves())
        d.controls.push_back({"tmrTimer", Timer, NoIndex, {}, {}, style().every(10)});
    return d;
}

} // namespace

FrmMaus::FrmMaus(Program &program, const LevelRule &level)
    : ProgramScreen(program, level.screen)
    , m_level(level)
    , m_design(mausDesign(level))
{
}

void FrmMaus::connectHandlers()
{
    on("cmd1", Event::MouseDown, [this](const EventArgs &e) { cmd1_MouseDown(e.index, e.button, e.shift, e.x, e.y); });
    if (m_level.moves())
        on("tmrTimer", Event::Timer, [this](const EventArgs &) { tmrTimer_Timer(); });
}

void FrmMaus::Form_Load()
{
    setTag(QStringLiteral("0"));
    setWidth(12000);
    setHeight(9000);
    guarded([this] {
        program().random().seedFromClock();
        placeButtons();
        if (m_level.moves()) {
            TempoMax = qint16(m_level.tempoMax);
            program().random().seedFromClock();
            drawSteps();
        }
    });
}

void FrmMaus::placeButtons()
{
    const Board::Layout places = Board::scatter(scaleWidth(), scaleHeight(), program().random());
    for (int i = 1; i <= Board::Buttons; ++i) {
        Control &button = cmd1(i);
        button.setTabStop(false);
        button.setCaption(QString::number(i));
        button.move(places[i].left, places[i].top);
        if (m_level.faceOnLoad)
            button.setBackColor(*m_level.faceOnLoad);
    }
}

void FrmMaus::drawSteps()
{
    // Each step lies in -S .. S - 1, every value equally likely, 0 included.
    auto draw = [this] {
        return qint16(std::floor(2.0 * TempoMax * program().random().next() - TempoMax));
    };
    for (int i = 1; i <= Board::Buttons; ++i) {
        if (m_level.movesX())
            TempoX[i] = draw();
        if (m_level.movesY())
            TempoY[i] = draw();
    }
}

void FrmMaus::cmd1_MouseDown(int Index, int, int, float, float)
{
    // Every press counts as an error first; the tenth correct press takes ten back.
    vars().Fehler += 1;
    if (tag().toInt() != Index - 1)
        return;

    // The buttons' widths never change, so the row position is the board's own.
    Control &button = cmd1(Index);
    button.setLeft(Board::rowLeft(Index, m_level.rowGap));
    // The row's top edge is the same for every button, so the smaller ones hang from it.
    button.setTop(scaleHeight() - cmd1(1).height());
    button.setEnabled(false);
    setTag(QString::number(Index));

    if (Index == Board::Buttons) {
        vars().Fehler -= 10;
        vars().PunkteFang += m_level.points;
        nav().unload(*this);
        vars().LevelFertig = quint8(m_level.number);
        nav().showModal(program().frmWinner());
    }
}

void FrmMaus::tmrTimer_Timer()
{
    // Finished buttons move too. The bounce test looks at the position before this tick's move,
    // so a button may pass a bound by up to one step before it turns.
    for (int i = 1; i <= Board::Buttons; ++i) {
        Control &button = cmd1(i);
        if (m_level.movesX()) {
            if (button.left() >= scaleWidth() - button.width() || button.left() < 0)
                TempoX[i] = qint16(-TempoX[i]);
            button.setLeft(button.left() + TempoX[i]);
        }
        if (m_level.movesY()) {
            if (button.top() >= scaleHeight() - button.height() - 1560 || button.top() < 0)
                TempoY[i] = qint16(-TempoY[i]);
            button.setTop(button.top() + TempoY[i]);
        }
    }
}
