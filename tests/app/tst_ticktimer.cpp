#include "app/ticktimer.h"
#include "support/testprogram.h"

#include <QTest>
#include <QTimerEvent>

namespace {

constexpr qint64 Ms = 1000000;

// A tick timer on a clock the test sets; each wake-up is handed to it by hand.
class ClockedTimer : public TickTimer
{
public:
    ClockedTimer()
    {
        connect(this, &QTimer::timeout, this, [this] {
            ++ticks;
            if (stopAfter > 0 && ticks == stopAfter)
                stop();
        });
    }

    // A wake-up of the system timer at this time: how many ticks it brought.
    int wakeAt(qint64 ms)
    {
        clock = ms * Ms;
        const int before = ticks;
        QTimerEvent event(timerId());
        timerEvent(&event);
        return ticks - before;
    }

    qint64 clock = 0;
    int ticks = 0;
    int stopAfter = 0;

protected:
    qint64 now() override { return clock; }
};

} // namespace

class TestTickTimer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lateWakeUpBringsTheTicksDue_data();
    void lateWakeUpBringsTheTicksDue();
    void stoppingInATickDropsTheRest();
    void restartCountsAfresh();
};

void TestTickTimer::lateWakeUpBringsTheTicksDue_data()
{
    QTest::addColumn<qint64>("wakeUp"); // ms, after ticks at 10 and 20 on time
    QTest::addColumn<int>("ticks");
    QTest::newRow("on time") << qint64(30) << 1;
    QTest::newRow("a little late") << qint64(36) << 1;
    QTest::newRow("one tick skipped") << qint64(40) << 2;
    QTest::newRow("three skipped") << qint64(61) << 4;
    QTest::newRow("as late as is made up") << qint64(70) << 5;
    // Longer stalls are not made up in a burst: counting begins again.
    QTest::newRow("a long stall") << qint64(71) << 1;
    QTest::newRow("a stall of a second") << qint64(1020) << 1;
}

void TestTickTimer::lateWakeUpBringsTheTicksDue()
{
    QFETCH(qint64, wakeUp);
    QFETCH(int, ticks);
    ClockedTimer timer;
    timer.start(10);
    QCOMPARE(timer.wakeAt(10), 1);
    QCOMPARE(timer.wakeAt(20), 1);
    QCOMPARE(timer.wakeAt(wakeUp), ticks);
    // After the wake-up the ticks come on time again, one each.
    QCOMPARE(timer.wakeAt(wakeUp + 10), 1);
}

void TestTickTimer::stoppingInATickDropsTheRest()
{
    ClockedTimer timer;
    timer.stopAfter = 3;
    timer.start(10);
    QCOMPARE(timer.wakeAt(10), 1);
    QCOMPARE(timer.wakeAt(50), 2);
    QVERIFY(!timer.isActive());
}

void TestTickTimer::restartCountsAfresh()
{
    ClockedTimer timer;
    timer.start(10);
    QCOMPARE(timer.wakeAt(10), 1);
    timer.stop();
    timer.start(10);
    // Forty milliseconds later, but only ten after the new start.
    QCOMPARE(timer.wakeAt(50), 1);
    QCOMPARE(timer.wakeAt(60), 1);
}

ZD_TEST_MAIN(TestTickTimer)
#include "tst_ticktimer.moc"
