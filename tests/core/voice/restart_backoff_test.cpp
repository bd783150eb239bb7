// When a failing speech engine may be started again, on a clock the test sets.
#include "core/voice/restart_backoff.h"

#include <gtest/gtest.h>

namespace {

TEST(RestartBackoff, atOnceAfterTheFirstFailureThenDoublingToAMinuteUntilItKeepsWorking) {
    qint64 now = 0;
    RestartBackoff backoff([&now] { return now; });
    enum Event { Fails, ComesUp, Waits };
    // {time, what happens then, the wait it leaves}
    const std::tuple<qint64, Event, qint64> steps[] = {
        {0, Waits, 0},         {1000, Fails, 0},       {1500, Fails, 2000},
        {2500, Waits, 1000},   {3500, Waits, 0},       {3500, Fails, 4000},
        {7500, Fails, 8000},   {15500, Fails, 16000},  {31500, Fails, 32000},
        {63500, Fails, 60000}, {123500, Fails, 60000}, // the longest wait
        {150000, ComesUp, 0},  {200000, Fails, 60000}, // up less than a minute: still failing
        {260000, ComesUp, 0},  {320000, Fails, 0},     // a steady minute: at once again
    };
    for (const auto& [at, event, wait] : steps) {
        now = at;
        if (event == Fails)
            backoff.engineFailed();
        else if (event == ComesUp)
            backoff.engineCameUp();
        EXPECT_EQ(backoff.msUntilRestart(), wait) << at;
    }
}

} // namespace
