#include "core/learning/wheel_notches.h"

#include <cstdlib>

int WheelNotches::step(int angleDelta, qint64 nowMs) {
    // A change of direction starts a new notch.
    if ((angleDelta > 0 && m_partial < 0) || (angleDelta < 0 && m_partial > 0))
        m_partial = 0;
    m_partial += angleDelta;
    if (std::abs(m_partial) < kNotch)
        return 0;
    const int direction = m_partial > 0 ? -1 : 1;
    m_partial = 0;
    const bool tooSoon = m_lastNotchMs && nowMs - *m_lastNotchMs < kQuietMs;
    m_lastNotchMs = nowMs;
    return tooSoon ? 0 : direction;
}
