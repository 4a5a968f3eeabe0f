#pragma once

#include <QElapsedTimer>
#include <QTimer>

// The timer of a Timer control. When the program was kept from running for a few intervals (a
// busy processor, a slow repaint), the system timer skips the ticks that fell due meanwhile;
// this one delivers them at once, one after another, so that a moving level keeps its speed on
// a loaded machine. A longer stall, or a timer that was stopped, starts the count afresh
// instead of firing a burst.
class TickTimer : public QTimer
{
public:
    using QTimer::QTimer;

    // Ticks a single late wake-up may bring at most, the due one included.
    static constexpr int MaxTicksAtOnce = 5;

    void start(int msec);

protected:
    void timerEvent(QTimerEvent *event) override;
    // Nanoseconds since an arbitrary point, steadily increasing; tests bring their own clock.
    virtual qint64 now();

private:
    QElapsedTimer m_clock;
    qint64 m_origin = 0; // nanoseconds on m_clock from which the ticks are counted
    qint64 m_lastTick = 0;
    qint64 m_delivered = 0;
};
