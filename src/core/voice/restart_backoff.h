// When to start a speech engine again after it broke down or could not be started: at once the
// first time, then after 2, 4, 8, ... up to 60 s while the starts keep failing. An engine that
// kept working for a minute has earned a prompt start again when it next breaks.
#pragma once

#include <QtGlobal>
#include <functional>
#include <optional>

class RestartBackoff {
public:
    // Milliseconds from any fixed point.
    using Clock = std::function<qint64()>;
    explicit RestartBackoff(Clock clock) : m_clock(std::move(clock)) {}

    void engineFailed();
    void engineCameUp();
    // How long until the engine may be started again: 0 when it may be now.
    qint64 msUntilRestart() const;

    static constexpr qint64 kFirstWaitMs = 2000;
    static constexpr qint64 kLongestWaitMs = 60000;
    static constexpr qint64 kSteadyMs = 60000;

private:
    Clock m_clock;
    int m_failures = 0; // in a row, with no steady spell between
    qint64 m_failedAtMs = 0;
    std::optional<qint64> m_upSince;
};
