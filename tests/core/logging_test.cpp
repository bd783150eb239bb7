// Standard error under a flood: a library failing in a loop must not fill the disk.
#include "core/logging.h"

#include <gtest/gtest.h>

namespace {

Q_LOGGING_CATEGORY(lcLibrary, "qt.speech.sapi")
Q_LOGGING_CATEGORY(lcOtherLibrary, "qt.qpa.xcb")

qint64 now = 0;

TEST(Diagnostics, floodedLinesAreWrittenOnceThenCountedAtMostOnceAMinute) {
    setDiagnosticsClock([] { return now; });
    testing::internal::CaptureStderr();
    for (now = 0; now < 100000; ++now) { // two lines taking turns for 100 s, one a millisecond
        if (now % 2)
            qCWarning(lcOtherLibrary, "could not connect to display");
        else
            qCWarning(lcLibrary, "CoCreateInstance failed");
    }
    const std::string written = testing::internal::GetCapturedStderr();
    setDiagnosticsClock(nullptr);
    EXPECT_EQ(written, "qt.speech.sapi: CoCreateInstance failed\n"
                       "qt.qpa.xcb: could not connect to display\n"
                       "qt.speech.sapi: CoCreateInstance failed \xe2\x80\xa6 repeated 30,000 times\n"
                       "qt.qpa.xcb: could not connect to display \xe2\x80\xa6 repeated 30,000 times\n");
}

TEST(Diagnostics, theProgramsOwnLinesAreEachWritten) {
    testing::internal::CaptureStderr();
    qCWarning(lcSpeech) << "the engine is ready";
    qCWarning(lcSpeech) << "the engine is ready";
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "speech: the engine is ready\nspeech: the engine is ready\n");
}

} // namespace
