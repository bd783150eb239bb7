// Standard error under a flood: a library failing in a loop must not fill the disk.
#include "core/logging.h"

#include <gtest/gtest.h>

namespace {

Q_LOGGING_CATEGORY(lcLibrary, "qt.speech.sapi")

qint64 now = 0;

TEST(Diagnostics, floodedLinesAreWrittenOnceThenCountedAtMostOnceAMinute) {
    setDiagnosticsClock([] { return now; });
    testing::internal::CaptureStderr();
    for (now = 0; now < 100000; ++now) { // two lines taking turns for 100 s, one a millisecond
        if (now % 2)
            qCWarning(lcSpeech) << "the engine did not start";
        else
            qCWarning(lcLibrary, "CoCreateInstance failed");
    }
    const std::string written = testing::internal::GetCapturedStderr();
    setDiagnosticsClock(nullptr);
    EXPECT_EQ(written, "qt.speech.sapi: CoCreateInstance failed\n"
                       "speech: the engine did not start\n"
                       "qt.speech.sapi: CoCreateInstance failed \xe2\x80\xa6 repeated 30,000 times\n"
                       "speech: the engine did not start \xe2\x80\xa6 repeated 30,000 times\n");
}

} // namespace
