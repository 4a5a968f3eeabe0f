#include "app/errors.h"
#include "screens/fang/board.h"
#include "screens/fang/frmmaus.h"
#include "screens/fang/frmwinner.h"
#include "screens/hub/frmauswahl.h"
#include "screens/start/frmbedienung.h"
#include "screens/start/frmstart.h"
#include "support/testprogram.h"

#include <QTest>
#include <QTimer>

namespace {

// A random source that fails, as a broken platform would, in the middle of a level's set-up.
class FailingRandom : public RandomSource
{
public:
    void seedFromClock() override {}
    float next() override { throw RuntimeError("Zufallszahlen nicht verfügbar"); }
};

} // namespace

class TestFang : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void pressRule_data();
    void pressRule();
    void keysDoNothingOnNumberButtons();
    void levelsDifferAsTheirTableRowsSay_data();
    void levelsDifferAsTheirTableRowsSay();
    void stepsAreDrawnFromTheLevelsRange_data();
    void stepsAreDrawnFromTheLevelsRange();
    void tick_data();
    void tick();
    void subPixelStepsAddUpOnScreen();
    void timerStopsWithTheScreen();
    void levelOneWithTwoWrongPressesAndEnde();
    void fullPassWithoutMistakes();
    void winnerKeys_data();
    void winnerKeys();
    void pointsStopAtTheLimitInsteadOfEndingTheProgram();
    void closingALevelCountsOnlyItsPresses();
    void failedSetUpStillOpensTheLevel();

private:
    FrmMaus &openLevel(int level);
    void pressInOrder(FrmMaus &level, int from = 1, int to = Board::Buttons);
    FrmAuswahl &reachHub(const QString &name);

    std::unique_ptr<TestProgram> t;
};

void TestFang::init()
{
    t = std::make_unique<TestProgram>();
}

void TestFang::cleanup()
{
    t.reset();
}

FrmMaus &TestFang::openLevel(int level)
{
    FrmMaus &screen = t->program.frmMaus(level);
    t->nav().showModal(screen);
    return screen;
}

void TestFang::pressInOrder(FrmMaus &level, int from, int to)
{
    for (int k = from; k <= to; ++k)
        Drive::mouseDown(level.ctl("cmd1", k));
}

FrmAuswahl &TestFang::reachHub(const QString &name)
{
    t->startPastSplash();
    Drive::type(t->program.frmStart().ctl("txtName"), name);
    Drive::click(t->program.frmStart().ctl("cmdStart"));
    Drive::click(t->program.frmBedienung().ctl("cmdGelesen"));
    return t->program.frmAuswahl();
}

void TestFang::pressRule_data()
{
    // A press is a button number with L, R or M for the mouse button; "bg" is the background.
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<int>("fehler");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QList<int>>("inRow");
    QTest::newRow("right order") << QStringList{"1L", "2L", "3L"} << 3 << "3" << QList<int>{1, 2, 3};
    QTest::newRow("2 before 1 counts and moves nothing") << QStringList{"2L"} << 1 << "0" << QList<int>{};
    QTest::newRow("1 is still accepted after a wrong press") << QStringList{"2L", "1L"} << 2 << "1" << QList<int>{1};
    QTest::newRow("right button counts as a press") << QStringList{"1R"} << 1 << "1" << QList<int>{1};
    QTest::newRow("middle button counts as a press") << QStringList{"1M", "2R"} << 2 << "2" << QList<int>{1, 2};
    QTest::newRow("a button in the row gets no event") << QStringList{"1L", "1L", "1R"} << 1 << "1" << QList<int>{1};
    QTest::newRow("the background is no press") << QStringList{"bg", "bg"} << 0 << "0" << QList<int>{};
    QTest::newRow("wrong presses between right ones") << QStringList{"1L", "5L", "10R", "2L"} << 4 << "2"
                                                       << QList<int>{1, 2};
}

void TestFang::pressRule()
{
    QFETCH(QStringList, presses);
    QFETCH(int, fehler);
    QFETCH(QString, tag);
    QFETCH(QList<int>, inRow);

    FrmMaus &level = openLevel(1);
    for (const QString &press : presses) {
        if (press == "bg") {
            QTest::mouseClick(level.window(), Qt::LeftButton, {}, QPoint(2, level.window()->height() - 2));
            continue;
        }
        const Qt::MouseButton button = press.endsWith('R') ? Qt::RightButton
            : press.endsWith('M')                          ? Qt::MiddleButton
                                                           : Qt::LeftButton;
        Drive::mouseDown(level.ctl("cmd1", press.chopped(1).toInt()), button);
    }
    QCOMPARE(t->vars().Fehler.value(), fehler);
    QCOMPARE(level.tag(), tag);
    for (int k = 1; k <= Board::Buttons; ++k) {
        Control &button = level.ctl("cmd1", k);
        QCOMPARE(button.enabled(), !inRow.contains(k));
        if (inRow.contains(k)) {
            QCOMPARE(button.left(), Board::rowLeft(k, 5));
            QCOMPARE(button.top(), level.scaleHeight() - 1455);
        }
    }
}

void TestFang::keysDoNothingOnNumberButtons()
{
    FrmMaus &level = openLevel(1);
    QCOMPARE(level.ctl("cmd1", 1).widget()->focusPolicy(), Qt::NoFocus);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Tab, Qt::Key_1})
        Drive::key(level, key);
    QCOMPARE(t->vars().Fehler.value(), 0);
    QCOMPARE(level.tag(), "0");
}

void TestFang::levelsDifferAsTheirTableRowsSay_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<quint32>("background");
    QTest::addColumn<quint32>("face");
    QTest::addColumn<float>("secondInRow");
    QTest::addColumn<int>("points");
    QTest::newRow("1") << 1 << "Übung1" << quint32(0x00800000) << quint32(0x00FF0000) << 1505.0f << 10;
    QTest::newRow("2") << 2 << "Übung2" << quint32(0x00008000) << quint32(0x0000FF00) << 1510.0f << 15;
    QTest::newRow("3") << 3 << "Übung3" << quint32(0x00000080) << quint32(0x000080FF) << 1510.0f << 20;
    QTest::newRow("4") << 4 << "Übung4" << quint32(0x00008080) << quint32(0x0000FFFF) << 1510.0f << 25;
    QTest::newRow("5") << 5 << "" << quint32(0x00800080) << quint32(0x00FF00FF) << 1510.0f << 30;
}

void TestFang::levelsDifferAsTheirTableRowsSay()
{
    QFETCH(int, number);
    QFETCH(QString, caption);
    QFETCH(quint32, background);
    QFETCH(quint32, face);
    QFETCH(float, secondInRow);
    QFETCH(int, points);

    FrmMaus &level = openLevel(number);
    QCOMPARE(level.caption(), caption);
    QCOMPARE(level.backColor(), background);
    QCOMPARE(level.window()->size(), QSize(794, 575));
    QCOMPARE(level.tag(), "0");
    for (int i = 1; i <= Board::Buttons; ++i) {
        QCOMPARE(level.ctl("cmd1", i).caption(), QString::number(i));
        QCOMPARE(level.ctl("cmd1", i).backColor(), face);
        QCOMPARE(level.ctl("cmd1", i).font().size, i == 10 ? 9.75f : 24.0f);
    }
    Control *timer = level.findControl("tmrTimer");
    QCOMPARE(timer != nullptr, number > 1);
    if (timer) {
        QCOMPARE(timer->timer()->interval(), 10);
        QCOMPARE(timer->timer()->timerType(), Qt::PreciseTimer);
        QVERIFY(timer->timer()->isActive());
    }
    pressInOrder(level, 1, 2);
    QCOMPARE(level.ctl("cmd1", 2).left(), secondInRow);

    pressInOrder(level, 3);
    QVERIFY(!level.isLoaded());
    QCOMPARE(t->vars().PunkteFang.value(), points);
    QCOMPARE(t->vars().Fehler.value(), 0);
    QCOMPARE(int(t->vars().LevelFertig), number);
    QVERIFY(t->program.frmWinner().isLoaded());
    QCOMPARE(t->program.frmWinner().window()->windowModality(), Qt::ApplicationModal);
}

void TestFang::stepsAreDrawnFromTheLevelsRange_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("stepX");
    QTest::addColumn<int>("stepY");
    const float almostOne = 0.99999994f;
    QTest::newRow("level 2 lowest") << 2 << 0.0f << -8 << 0;
    QTest::newRow("level 2 highest") << 2 << almostOne << 7 << 0;
    QTest::newRow("level 2 middle is 0") << 2 << 0.5f << 0 << 0;
    QTest::newRow("level 3 moves only up and down") << 3 << 0.0f << 0 << -50;
    QTest::newRow("level 4 highest") << 4 << almostOne << 49 << 49;
    QTest::newRow("level 5 lowest") << 5 << 0.0f << -100 << -100;
    QTest::newRow("level 5 highest") << 5 << almostOne << 99 << 99;
}

void TestFang::stepsAreDrawnFromTheLevelsRange()
{
    QFETCH(int, number);
    QFETCH(float, r);
    QFETCH(int, stepX);
    QFETCH(int, stepY);
    // The same number for every draw puts all buttons on one column; the placement's bound
    // takes care of that, and the steps all come out alike.
    ScriptedRandom random({r});
    TestProgram scripted(&random);
    FrmMaus &level = scripted.program.frmMaus(number);
    scripted.nav().showModal(level);
    QCOMPARE(int(level.TempoMax), fangLevel(number).tempoMax);
    for (int i = 1; i <= Board::Buttons; ++i) {
        QCOMPARE(int(level.TempoX[i]), stepX);
        QCOMPARE(int(level.TempoY[i]), stepY);
    }
}

void TestFang::tick_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("finished");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<int>("stepX");
    QTest::addColumn<int>("stepY");
    QTest::addColumn<QList<float>>("lefts");
    QTest::addColumn<QList<float>>("tops");

    QTest::newRow("level 2: -8 at Left 3 goes to -5 and back to 3")
        << 2 << false << 3.0f << 2000.0f << -8 << 0 << QList<float>{-5, 3, 11} << QList<float>{2000, 2000, 2000};
    QTest::newRow("level 2: turns when its right edge reaches the client edge")
        << 2 << false << 11910.0f - 1455 << 2000.0f << 5 << 0 << QList<float>{10450, 10445, 10440}
        << QList<float>{2000, 2000, 2000};
    // The row's top 7170 lies below the lower bound, so the step turns at every tick.
    QTest::newRow("level 3: a finished button with +20 alternates")
        << 3 << true << 45.0f << 7170.0f << 0 << 20 << QList<float>{45, 45, 45, 45}
        << QList<float>{7150, 7170, 7150, 7170};
    // Button 1 is 1455 high; with a client height of 8625 its bottom edge turns at 7065, 1560
    // above the client's bottom edge, so its top turns once it has reached 5610.
    QTest::newRow("level 3: a scattered button moving down turns 1560 above the bottom")
        << 3 << false << 3000.0f << 5590.0f << 0 << 20 << QList<float>{3000, 3000, 3000}
        << QList<float>{5610, 5590, 5570};
    QTest::newRow("level 4: a step of 0 never moves")
        << 4 << false << 3000.0f << 3000.0f << 0 << 0 << QList<float>{3000, 3000, 3000} << QList<float>{3000, 3000, 3000};
    QTest::newRow("level 5: moves both ways, turning at the top")
        << 5 << false << 4000.0f << 40.0f << 99 << -100 << QList<float>{4099, 4198} << QList<float>{-60, 40};
    QTest::newRow("level 4: a finished button slides and shakes")
        << 4 << true << 45.0f << 7170.0f << 30 << 10 << QList<float>{75, 105} << QList<float>{7160, 7170};
}

void TestFang::tick()
{
    QFETCH(int, number);
    QFETCH(bool, finished);
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(int, stepX);
    QFETCH(int, stepY);
    QFETCH(QList<float>, lefts);
    QFETCH(QList<float>, tops);

    FrmMaus &level = openLevel(number);
    if (finished)
        Drive::mouseDown(level.ctl("cmd1", 1));
    Control &button = level.ctl("cmd1", 1);
    button.move(left, top);
    level.TempoX[1] = qint16(stepX);
    level.TempoY[1] = qint16(stepY);
    for (int i = 0; i < lefts.size(); ++i) {
        level.tmrTimer_Timer();
        QCOMPARE(button.left(), lefts[i]);
        QCOMPARE(button.top(), tops[i]);
    }
    QCOMPARE(button.enabled(), !finished);
}

void TestFang::subPixelStepsAddUpOnScreen()
{
    FrmMaus &level = openLevel(2);
    Control &button = level.ctl("cmd1", 3);
    button.setLeft(3000);
    level.TempoX[3] = 3;
    const int startPixel = button.widget()->x();
    for (int i = 0; i < 5; ++i)
        level.tmrTimer_Timer();
    QCOMPARE(button.left(), 3015.0f);
    QCOMPARE(button.widget()->x(), startPixel + 1);
}

void TestFang::timerStopsWithTheScreen()
{
    FrmMaus &level = openLevel(5);
    QPointer<QTimer> timer = level.ctl("tmrTimer").timer();
    QVERIFY(timer->isActive());
    pressInOrder(level);
    QVERIFY(!level.isLoaded());
    QVERIFY(!timer || !timer->isActive());
}

void TestFang::levelOneWithTwoWrongPressesAndEnde()
{
    FrmAuswahl &hub = reachHub("Anna");
    Drive::click(hub.ctl("imgFang", 0));
    QVERIFY(!hub.isLoaded());
    FrmMaus &level = t->program.frmMaus(1);
    QVERIFY(level.isLoaded());
    QCOMPARE(level.window()->windowModality(), Qt::ApplicationModal);

    Drive::mouseDown(level.ctl("cmd1", 4));
    pressInOrder(level, 1, 5);
    Drive::mouseDown(level.ctl("cmd1", 9));
    pressInOrder(level, 6);
    FrmWinner &winner = t->program.frmWinner();
    QVERIFY(winner.isLoaded());
    QCOMPARE(winner.window()->windowTitle(), "Glückwunsch");

    Drive::click(winner.ctl("cmdEnde"));
    QVERIFY(!winner.isLoaded());
    QVERIFY(hub.isLoaded());
    QCOMPARE(hub.window()->windowModality(), Qt::ApplicationModal);
    QCOMPARE(hub.ctl("lblPunkte").caption(), "10");
    QCOMPARE(hub.ctl("lblVersuche").caption(), "1");
    QCOMPARE(hub.ctl("lblFehler").caption(), "2");
    QVERIFY(t->exits.isEmpty());
}

void TestFang::fullPassWithoutMistakes()
{
    FrmAuswahl &hub = reachHub("Ben");
    Drive::click(hub.ctl("imgFang", 0));
    for (int n = 1; n <= 5; ++n) {
        FrmMaus &level = t->program.frmMaus(n);
        QVERIFY2(level.isLoaded(), qPrintable(QString::number(n)));
        // Between levels the next one is shown modeless, as the dialog leaves it.
        QCOMPARE(level.window()->windowModality(), n == 1 ? Qt::ApplicationModal : Qt::NonModal);
        for (int tick = 0; tick < 20; ++tick)
            if (n > 1)
                level.tmrTimer_Timer();
        pressInOrder(level);
        QVERIFY(!level.isLoaded());
        QCOMPARE(int(t->vars().LevelFertig), n);
        Drive::key(t->program.frmWinner(), Qt::Key_Return); // "Weiter"
    }
    QVERIFY(hub.isLoaded());
    QCOMPARE(hub.window()->windowModality(), Qt::NonModal);
    QCOMPARE(hub.ctl("lblPunkte").caption(), "100");
    QCOMPARE(hub.ctl("lblVersuche").caption(), "5");
    QCOMPARE(hub.ctl("lblFehler").caption(), "0");

    // The hub shown modeless works as after a modal show: the game starts again at level 1.
    Drive::click(hub.ctl("imgFang", 0));
    QVERIFY(t->program.frmMaus(1).isLoaded());
    pressInOrder(t->program.frmMaus(1));
    Drive::key(t->program.frmWinner(), Qt::Key_Escape); // "Ende"
    QCOMPARE(hub.ctl("lblPunkte").caption(), "110");
    Drive::click(hub.ctl("cmdEnde"));
    QVERIFY(t->program.frmStart().isLoaded());
    QVERIFY(t->exits.isEmpty());
}

void TestFang::winnerKeys_data()
{
    QTest::addColumn<int>("finished");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("next");
    QTest::addColumn<bool>("modal");
    QTest::newRow("Enter after level 1 opens level 2") << 1 << int(Qt::Key_Return) << "frmMaus2" << false;
    QTest::newRow("Enter after level 3 opens level 4") << 3 << int(Qt::Key_Return) << "frmMaus4" << false;
    QTest::newRow("Esc after level 3 opens the hub") << 3 << int(Qt::Key_Escape) << "frmAuswahl" << true;
    QTest::newRow("Enter after level 5 opens the hub") << 5 << int(Qt::Key_Return) << "frmAuswahl" << false;
}

void TestFang::winnerKeys()
{
    QFETCH(int, finished);
    QFETCH(int, key);
    QFETCH(QString, next);
    QFETCH(bool, modal);

    t->vars().LevelFertig = quint8(finished);
    FrmWinner &winner = t->program.frmWinner();
    t->nav().showModal(winner);
    QCOMPARE(Drive::focused(winner), winner.ctl("cmdWeiter").widget());
    Drive::key(winner, Qt::Key(key));
    QVERIFY(!winner.isLoaded());
    QCOMPARE(t->vars().VersucheFang.value(), 1);
    Screen *shown = t->program.screen(next);
    QVERIFY(shown->isLoaded());
    QCOMPARE(shown->window()->windowModality(), modal ? Qt::ApplicationModal : Qt::NonModal);
    if (auto *level = dynamic_cast<FrmMaus *>(shown))
        QCOMPARE(level->tag(), "0");
}

void TestFang::pointsStopAtTheLimitInsteadOfEndingTheProgram()
{
    t->vars().PunkteFang = 32760;
    t->vars().Fehler = 32767;
    FrmMaus &level = openLevel(1);
    pressInOrder(level);
    QCOMPARE(t->vars().PunkteFang.value(), 32767);
    QCOMPARE(t->vars().Fehler.value(), 32757);
    QVERIFY(t->program.frmWinner().isLoaded());
    QVERIFY(t->exits.isEmpty());
}

void TestFang::closingALevelCountsOnlyItsPresses()
{
    FrmMaus &level = openLevel(2);
    pressInOrder(level, 1, 3);
    Drive::mouseDown(level.ctl("cmd1", 8));
    level.window()->close();
    QVERIFY(!level.isLoaded());
    QCOMPARE(t->vars().Fehler.value(), 4);
    QCOMPARE(t->vars().PunkteFang.value(), 0);
    QVERIFY(!t->program.frmWinner().isLoaded());
    // Nothing else is loaded, so the program ends, without a thank-you.
    QCOMPARE(t->exits, QList<int>{0});
    QVERIFY(t->boxes.shown.isEmpty());
}

void TestFang::failedSetUpStillOpensTheLevel()
{
    FailingRandom failing;
    TestProgram broken(&failing);
    FrmMaus &level = broken.program.frmMaus(2);
    broken.nav().showModal(level);
    QCOMPARE(broken.boxes.shown.size(), 1);
    QCOMPARE(broken.boxes.shown.first().text, "Es ist ein Fehler aufgetreten!");
    QCOMPARE(broken.boxes.shown.first().title, "Fehler!");
    QCOMPARE(broken.boxes.shown.first().icon, MsgIcon::Critical);
    QVERIFY(level.isLoaded() && level.window()->isVisible());
    // The steps before the guard ran; the buttons keep their stored places.
    QCOMPARE(level.tag(), "0");
    QCOMPARE(level.window()->size(), QSize(794, 575));
    QCOMPARE(level.ctl("cmd1", 1).caption(), "Knopf");
    QCOMPARE(level.ctl("cmd1", 2).left(), 1455.0f);
    QVERIFY(broken.exits.isEmpty());
}

ZD_TEST_MAIN(TestFang)
#include "tst_fang.moc"
