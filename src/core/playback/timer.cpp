#include "core/playback/timer.h"

Timer::Timer(int interval, bool enabled, QObject* parent) : QObject(parent) {
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(interval);
    connect(&m_timer, &QTimer::timeout, this, &Timer::tick);
    setEnabled(enabled);
}

void Timer::setInterval(int milliseconds) {
    m_timer.setInterval(milliseconds);
    if (m_enabled)
        m_timer.start();
}

void Timer::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    // A zero interval means a stopped timer.
    if (enabled && m_timer.interval() > 0)
        m_timer.start();
    else
        m_timer.stop();
}
