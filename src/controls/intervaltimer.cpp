#include "controls/intervaltimer.h"

IntervalTimer::IntervalTimer(QObject *parent)
    : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &IntervalTimer::timeout);
}

void IntervalTimer::setInterval(int ms)
{
    m_interval = ms > 0 ? ms : 0;
    if (m_interval == 0) {
        m_timer.stop();
        return;
    }
    m_timer.start(m_interval);
}
