// The play cycle with listen first, tick by tick: the French held while the character reads it.
#include "core/learning/listen_first.h"
#include "support/play_cycle.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

constexpr int kNever = 1 << 20;

// 100 ms a tick: the French waits while the character reads it ("Phrase 1.  " is given 1500 + 85 x
// 9 = 2265 ms).
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
        {"read-aloud 2: only 1 reads", 1, 2, true, false, "", 20000, kNever, 1, 51, ""},
        {"character hidden", 1, 1, true, true, "", 20000, kNever, 1, 51, "Speak:"},
        {"no French voice", 1, 1, true, false, "no voice", 20000, kNever, 1, 51, "Listen:"},
        {"listen first off", 1, 1, false, false, "", 20000, kNever, 1, 51, "Speak:"},
    };
    for (const auto& c : cases) {
        PlayCycleOnFakes fakes(c.ce);
        auto& [settings, bar, pointer, peedy, playback, order, chrome, cycle] = fakes;
        settings.readAloud = c.voice;
        qint64 now = c.start;
        ListenFirst hold(settings, [&] { return now; });
        hold.setEnabled(c.listen);
        peedy.visible = !c.hidden;
        peedy.failure = c.failure;
        cycle.setFrenchHold(&hold);

        int french = 0, english = 0;
        bool listened = false;
        for (int tick = 1; tick <= 140; ++tick) {
            now += 100;
            peedy.speaking = tick <= c.speakingUntil;
            cycle.onPlayCycleTick();
            french = french ? french : cycle.frenchSlideTimer().isEnabled() ? tick : 0;
            english = english ? english : cycle.englishRiseTimer().isEnabled() ? tick : 0;
            if (!french) { // nothing of the French shows before it slides in
                EXPECT_EQ(bar.frenchLine.trimmed(), QString()) << c.what << ", tick " << tick;
            }
            listened |= bar.listening;
            if (cycle.frenchSlideTimer().isEnabled()) { // the sign goes as the French comes in
                EXPECT_FALSE(bar.listening) << c.what << ", tick " << tick;
            }
            while (cycle.frenchSlideTimer().isEnabled())
                cycle.onFrenchSlideTick();
            while (cycle.englishRiseTimer().isEnabled())
                cycle.onEnglishRiseTick();
        }
        EXPECT_EQ(listened, c.french > 1) << c.what << ": the sign shows while the French waits";
        EXPECT_EQ(french, c.french) << c.what;
        EXPECT_EQ(english, c.english) << c.what;
        const QStringList reads = peedy.calls.filter(QRegularExpression("^(Speak|Listen):"));
        EXPECT_EQ(reads.value(0), *c.reading ? c.reading + playback.french() : QString()) << c.what;
        EXPECT_TRUE(peedy.calls.contains("Play:Wave")) << c.what;
    }
}

} // namespace
