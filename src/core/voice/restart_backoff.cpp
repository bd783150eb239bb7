#include "core/voice/restart_backoff.h"

#include <algorithm>

void RestartBackoff::engineFailed() {
    const qint64 now = m_clock();
    if (m_upSince && now - *m_upSince >= kSteadyMs)
        m_failures = 0;
    m_upSince.reset();
    m_failures = std::min(m_failures + 1, 16); // 2 s doubled 15 times is long past the cap
    m_failedAtMs = now;
}

void RestartBackoff::engineCameUp() {
    if (!m_upSince)
        m_upSince = m_clock();
}

qint64 RestartBackoff::msUntilRestart() const {
    if (m_failures == 0 || m_upSince)
        return 0;
    const qint64 wait =
        m_failures == 1 ? 0 : std::min(kFirstWaitMs << (m_failures - 2), kLongestWaitMs);
    return std::max<qint64>(0, m_failedAtMs + wait - m_clock());
}
