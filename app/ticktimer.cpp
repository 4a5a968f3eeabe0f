#include "ticktimer.h"

#include <QPointer>
#include <QTimerEvent>

#include <algorithm>

void TickTimer::start(int msec)
{
    m_delivered = 0;
    QTimer::start(msec);
}

qint64 TickTimer::now()
{
    if (!m_clock.isValid())
        m_clock.start();
    return m_clock.nsecsElapsed();
}

void TickTimer::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != timerId() || interval() <= 0) {
        QTimer::timerEvent(event);
        return;
    }
    const qint64 period = qint64(interval()) * 1000000;
    const qint64 now = this->now();
    // The first tick after a start, or after a stall too long to make up: counting begins here.
    if (m_delivered == 0 || now - m_lastTick > period * MaxTicksAtOnce) {
        m_origin = now - period;
        m_delivered = 0;
    }
    const qint64 due = (now - m_origin) / period;
    const qint64 ticks = std::clamp<qint64>(due - m_delivered, 1, MaxTicksAtOnce);
    m_delivered += ticks;
    m_lastTick = now;
    // A tick's handler may stop the timer or unload its screen; then the rest are dropped.
    QPointer<TickTimer> alive(this);
    for (qint64 i = 0; i < ticks && alive && isActive(); ++i)
        QTimer::timerEvent(event);
}
