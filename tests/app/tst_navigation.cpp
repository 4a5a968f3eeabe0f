#include "app/errors.h"
#include "support/modelscreen.h"
#include "support/testprogram.h"

#include <QThread>
#include <QTest>

using enum ControlKind;

namespace {

ScreenDesign oneButton(const QString &caption)
{
    return ScreenDesign{
        .caption = caption,
        .clientWidth = 3000,
        .clientHeight = 2000,
        .controls = {
            {"cmdGo", Button, NoIndex, "Go", {120, 120, 1200, 450}, style().tab(0)},
            {"lblA", Label, NoIndex, "design", {120, 900, 1200, 300}, style()},
            {"lblB", Label, NoIndex, "design", {120, 1300, 1200, 300}, style()},
        },
    };
}

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void modalShowBlocksTheOtherScreens();
    void stepsAfterAModalShowWaitForItsUnload();
    void closingTheWaitedOnScreenLetsTheWaiterGoOn();
    void tenThousandRoundTripsLeaveNoNestingBehind();
    void programEndsWhenNothingIsLoadedAndTheHandlerHasReturned();
    void frameCloseUnloadsAndEndsTheProgram();
    void guardedLoadFallsBackOnTheGenericMessage();
    void unguardedErrorIsReportedAndEndsWithFailure();
    void eventsOfAnUnloadedScreenReachNobody();

private:
    void onGo(ModelScreen &screen, std::function<void()> handler);

    std::unique_ptr<RecordingMessageBoxes> m_boxes;
    std::unique_ptr<Navigator> m_nav;
    std::unique_ptr<ModelScreen> m_a;
    std::unique_ptr<ModelScreen> m_b;
    QList<int> m_exits;
    QStringList m_steps;
};

void TestNavigation::init()
{
    m_boxes = std::make_unique<RecordingMessageBoxes>();
    m_nav = std::make_unique<Navigator>(*m_boxes);
    m_exits.clear();
    m_steps.clear();
    m_nav->setExitHandler([this](int status) { m_exits << status; });
    m_a = std::make_unique<ModelScreen>(*m_nav, "frmA", oneButton("A"));
    m_b = std::make_unique<ModelScreen>(*m_nav, "frmB", oneButton("B"));
}

void TestNavigation::cleanup()
{
    m_a.reset();
    m_b.reset();
    m_nav.reset();
}

void TestNavigation::onGo(ModelScreen &screen, std::function<void()> handler)
{
    screen.wire = [handler](ModelScreen &s) { s.on("cmdGo", Event::Click, [handler](const EventArgs &) { handler(); }); };
}

void TestNavigation::modalShowBlocksTheOtherScreens()
{
    onGo(*m_a, [this] { m_nav->showModal(*m_b); });
    m_nav->show(*m_a);
    QCOMPARE(m_a->window()->windowModality(), Qt::NonModal);
    Drive::click(m_a->ctl("cmdGo"));
    QVERIFY(m_a->isLoaded() && m_a->window()->isVisible());
    QCOMPARE(m_b->window()->windowModality(), Qt::ApplicationModal);
    QCOMPARE(QApplication::activeModalWidget(), m_b->window());
}

void TestNavigation::stepsAfterAModalShowWaitForItsUnload()
{
    onGo(*m_a, [this] {
        m_steps << "A shows B";
        m_nav->showModal(*m_b, [this] { m_steps << "A goes on"; });
        m_steps << "A's handler returns";
    });
    onGo(*m_b, [this] {
        m_nav->unload(*m_b);
        m_steps << "B unloaded itself and runs on";
    });
    m_nav->show(*m_a);
    Drive::click(m_a->ctl("cmdGo"));
    QCOMPARE(m_steps, (QStringList{"A shows B", "A's handler returns"}));
    Drive::click(m_b->ctl("cmdGo"));
    QCOMPARE(m_steps, (QStringList{"A shows B", "A's handler returns", "B unloaded itself and runs on", "A goes on"}));
}

void TestNavigation::closingTheWaitedOnScreenLetsTheWaiterGoOn()
{
    onGo(*m_a, [this] { m_nav->showModal(*m_b, [this] { m_steps << "A goes on"; }); });
    m_nav->show(*m_a);
    Drive::click(m_a->ctl("cmdGo"));
    m_b->window()->close();
    QVERIFY(!m_b->isLoaded());
    QCOMPARE(m_steps, QStringList{"A goes on"});
    QVERIFY(m_exits.isEmpty());
}

void TestNavigation::tenThousandRoundTripsLeaveNoNestingBehind()
{
    int deepestLoop = 0;
    auto across = [this, &deepestLoop](ModelScreen &from, ModelScreen &to) {
        deepestLoop = std::max(deepestLoop, QThread::currentThread()->loopLevel());
        m_nav->unload(from);
        m_nav->showModal(to);
    };
    onGo(*m_a, [&] { across(*m_a, *m_b); });
    onGo(*m_b, [&] { across(*m_b, *m_a); });
    m_nav->show(*m_a);
    for (int trip = 0; trip < 10000; ++trip) {
        ModelScreen &current = m_a->isLoaded() ? *m_a : *m_b;
        Drive::click(current.ctl("cmdGo"));
        if (trip % 200 == 0)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QVERIFY(m_a->isLoaded());
    QCOMPARE(m_a->loads, 5001);
    QCOMPARE(m_nav->maxHandlerDepth(), 1);
    QCOMPARE(deepestLoop, 0);
    QCOMPARE(m_nav->handlerDepth(), 0);
    QVERIFY(m_exits.isEmpty());
}

void TestNavigation::programEndsWhenNothingIsLoadedAndTheHandlerHasReturned()
{
    onGo(*m_a, [this] {
        m_nav->unload(*m_a);
        m_nav->message("Danke", MsgIcon::Information);
        m_steps << "after the message";
    });
    // Something else that happens while the box is open, with nothing loaded, must not end
    // the program under the box.
    m_boxes->whileOpen = [this] {
        m_nav->runHandler([this] { m_steps << "inside the box"; });
        QVERIFY(m_exits.isEmpty());
    };
    m_nav->show(*m_a);
    Drive::click(m_a->ctl("cmdGo"));
    QCOMPARE(m_steps, (QStringList{"inside the box", "after the message"}));
    QCOMPARE(m_boxes->shown.size(), 1);
    QCOMPARE(m_boxes->shown.first().title, "Zeigerdiplom");
    QCOMPARE(m_exits, QList<int>{0});
}

void TestNavigation::frameCloseUnloadsAndEndsTheProgram()
{
    m_nav->show(*m_a);
    m_a->window()->close();
    QVERIFY(!m_a->isLoaded());
    QCOMPARE(m_exits, QList<int>{0});
}

void TestNavigation::guardedLoadFallsBackOnTheGenericMessage()
{
    m_a->load = [](ModelScreen &s) {
        s.setCaption("set before the guard");
        s.guarded([&] {
            s.ctl("lblA").setCaption("set");
            throw RuntimeError("kaputt");
        });
    };
    m_nav->show(*m_a);
    QCOMPARE(m_boxes->shown.size(), 1);
    QCOMPARE(m_boxes->shown.first().text, "Es ist ein Fehler aufgetreten!");
    QCOMPARE(m_boxes->shown.first().title, "Fehler!");
    QCOMPARE(m_boxes->shown.first().icon, MsgIcon::Critical);
    QVERIFY(m_a->window()->isVisible());
    QCOMPARE(m_a->caption(), "set before the guard");
    QCOMPARE(m_a->ctl("lblA").caption(), "set");
    QCOMPARE(m_a->ctl("lblB").caption(), "design");
    QVERIFY(m_exits.isEmpty());
}

void TestNavigation::unguardedErrorIsReportedAndEndsWithFailure()
{
    onGo(*m_a, [] { throw RuntimeError("Die Datei Face02.ico fehlt."); });
    m_nav->show(*m_a);
    Drive::click(m_a->ctl("cmdGo"));
    QCOMPARE(m_boxes->shown.size(), 1);
    QVERIFY(m_boxes->shown.first().text.contains("Die Datei Face02.ico fehlt."));
    QCOMPARE(m_boxes->shown.first().title, "Zeigerdiplom");
    QCOMPARE(m_boxes->shown.first().icon, MsgIcon::Critical);
    QCOMPARE(m_exits, QList<int>{1});
    QVERIFY(!m_nav->anyLoaded());
    // Nothing runs any more once the program is ending.
    bool ran = false;
    m_nav->runHandler([&] { ran = true; });
    QVERIFY(!ran);
}

void TestNavigation::eventsOfAnUnloadedScreenReachNobody()
{
    int clicks = 0;
    onGo(*m_a, [&] { ++clicks; });
    m_nav->show(*m_a);
    m_nav->show(*m_b);
    QPointer<QAbstractButton> stale = qobject_cast<QAbstractButton *>(m_a->ctl("cmdGo").widget());
    m_nav->unload(*m_a);
    QVERIFY(stale);
    stale->click();
    QCOMPARE(clicks, 0);
}

ZD_TEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
