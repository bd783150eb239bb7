#include "learning/listen_first.h"
#include "support/play_cycle.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

constexpr int kNever = 1 << 20;

// The play cycle with listen first, tick by tick, 100 ms a tick: the French waits while the
// character reads it ("Phrase 1.  " is given 1500 + 85 x 9 = 2265 ms).
TEST(ListenFirstCycle, frenchWaitsForTheReadingOrItsLimitAndShowsAtOnceWithNothingToHear) {
    const struct {
        const char* what;
        int16_t ce, voice;
        bool listen, hidden;
        const char* failure;
        qint64 start;
        int speakingUntil, french, english;
        const char* reading;
    } cases[] = {
        {"reading ends on tick 20", 1, 1, true, false, "", 20000, 20, 21, 71, "Listen:"},
        {"reading never ends: its limit", 1, 1, true, false, "", 20000, kNever, 24, 74, "Listen:"},
        {"10 s after start at the latest", 1, 1, true, false, "", 4000, kNever, 83, 133, "Listen:"},
        {"English first", 0, 1, true, false, "", 20000, 50, 51, 1, "Listen:"},
        {"read-aloud off", 1, 0, true, false, "", 20000, kNever, 1, 51, ""},
        {"character hidden", 1, 1, true, true, "", 20000, kNever, 1, 51, "Speak:"},
        {"no French voice", 1, 1, true, false, "no voice", 20000, kNever, 1, 51, "Listen:"},
        {"listen first off", 1, 1, false, false, "", 20000, kNever, 1, 51, "Speak:"},
    };
    for (const auto& c : cases) {
        PlayCycle cycle(c.ce);
        auto& [bar, pointer, peedy, timers] = cycle;
        Settings.voice = c.voice;
        qint64 now = c.start;
        ListenFirst hold([&] { return now; });
        hold.setEnabled(c.listen);
        peedy.calls << "Show" << (c.hidden ? "Hide" : "");
        peedy.failure = c.failure;
        timers.setFrenchHold(&hold);

        int french = 0, english = 0;
        for (int tick = 1; tick <= 140; ++tick) {
            now += 100;
            peedy.speaking = tick <= c.speakingUntil;
            timers.Timer5_Timer();
            french = french ? french : timers.Timer4.Enabled() ? tick : 0;
            english = english ? english : timers.Timer3.Enabled() ? tick : 0;
            EXPECT_TRUE(french || bar.label1.trimmed().isEmpty()) << c.what << ", tick " << tick;
            while (timers.Timer4.Enabled())
                timers.Timer4_Timer();
            while (timers.Timer3.Enabled())
                timers.Timer3_Timer();
        }
        EXPECT_EQ(french, c.french) << c.what;
        EXPECT_EQ(english, c.english) << c.what;
        const QStringList reads = peedy.calls.filter(QRegularExpression("^(Speak|Listen):"));
        EXPECT_EQ(reads.value(0), *c.reading ? c.reading + bar.frenchText : QString()) << c.what;
        EXPECT_TRUE(peedy.calls.contains("Play:Wave")) << c.what;
    }
}

} // namespace
