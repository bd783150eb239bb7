// The play cycle over a fake bar, order and character: each language's time, the plays per
// sentence, a long line's scroll, the pace of its timers.
#include "support/play_cycle.h"

#include <array>
#include <gtest/gtest.h>

namespace {

using Ticks = QList<int>;

class Playback : public ::testing::Test, protected PlayCycleOnFakes {
protected:
    // Runs the play cycle for this many 100 ms ticks, letting each slide finish between ticks;
    // gives the ticks on which the French slid in, the English rose, and a sentence was chosen.
    std::array<Ticks, 3> play(int ticks) {
        std::array<Ticks, 3> seen;
        for (int tick = 1; tick <= ticks; ++tick) {
            const int selections = order.selections;
            cycle.onPlayCycleTick();
            const bool moved[] = {cycle.frenchSlideTimer().isEnabled(),
                                  cycle.englishRiseTimer().isEnabled(),
                                  order.selections != selections};
            for (int i = 0; i < 3; ++i)
                if (moved[i])
                    seen[i] << tick;
            while (cycle.frenchSlideTimer().isEnabled())
                cycle.onFrenchSlideTick();
            while (cycle.englishRiseTimer().isEnabled())
                cycle.onEnglishRiseTick();
        }
        return seen;
    }
};

// Without a character (what is read aloud, in every mode, is checked with the French hold).
// Held by the settings dialog mid-cycle, it resumes where it stood with the settings changed.
TEST_F(Playback, aHeldCycleResumesWhereItStood) {
    cycle.setCharacter(nullptr);
    play(40);
    EXPECT_EQ(bar.frenchLine, " " + playback.french()) << "the French slid all the way in";
    play(20);
    ASSERT_EQ(playback.phase(), CyclePhase::SecondShowing);
    EXPECT_EQ(bar.englishLine, " " + playback.english());
    EXPECT_EQ(bar.englishTop, 60) << "the English rose all the way";
    const int16_t tick = cycle.cycleTick();
    cycle.holdForSettings();
    settings.englishSeconds = 10;
    for (int i = 0; i < 20; ++i)
        chrome.onWelcomeTick();
    EXPECT_EQ(cycle.cycleTick(), tick);
    EXPECT_EQ(play(200)[0], Ticks({93})) << "the English now stays until 15 s";
}

TEST_F(Playback, cycleShowsEachLanguageForItsTimeAndEachSentenceNTimes) {
    cycle.setCharacter(nullptr);

    const struct {
        int16_t ce, etime, ctime, n, ticks;
        std::array<Ticks, 3> seen; // French in, English up, sentence chosen
    } cases[] = {
        // French 5.0 s, English 3.1 s, a cycle 8.2 s, two cycles per sentence.
        {1, 5, 3, 2, 247, {{{1, 83, 165, 247}, {51, 133, 215}, {165}}}},
        {1, 15, 15, 1, 605, {{{1, 303, 605}, {151, 453}, {303, 605}}}},
        // English first: 4 s of English, then 6.1 s of French.
        {0, 6, 4, 2, 205, {{{41, 143}, {1, 103, 205}, {205}}}},
    };
    for (const auto& c : cases) {
        settings.frenchFirst = c.ce, settings.frenchSeconds = c.etime,
        settings.englishSeconds = c.ctime, settings.playsPerSentence = c.n;
        cycle.restartCycle();
        EXPECT_EQ(play(c.ticks), c.seen) << "ce " << c.ce << " etime " << c.etime;
    }
}

// A line too long for the bar: a moment on its start once it has slid in, then left until its
// end is in view; the cycle waits meanwhile, so the line's own time is left whole.
TEST_F(Playback, aLongLineScrollsToItsEndAndTheCycleWaitsForIt) {
    bar.overflow[int(BarLine::French)] = 100;
    play(1);
    Timer& scrollTimer = cycle.lineScroll().timer();
    ASSERT_TRUE(scrollTimer.isEnabled());
    const auto scroll = [&](int ticks) {
        for (int i = 0; i < ticks && scrollTimer.isEnabled(); ++i) {
            cycle.onPlayCycleTick();
            cycle.lineScroll().onTick();
        }
        return bar.scroll[int(BarLine::French)];
    };
    EXPECT_EQ(scroll(LineScroll::kLeadTicks), 0) << "a moment on the start";
    EXPECT_EQ(scroll(10), 20) << "two pixels a tick";
    cycle.pause();
    EXPECT_EQ(bar.scroll[int(BarLine::French)], 0) << "paused, the line shows its start";
    EXPECT_FALSE(scrollTimer.isEnabled());
    cycle.resume();
    EXPECT_EQ(scroll(LineScroll::kLeadTicks + 50), 100);
    EXPECT_FALSE(scrollTimer.isEnabled()) << "the end stays in view";
    EXPECT_EQ(cycle.cycleTick(), 1) << "the cycle waited";
    EXPECT_EQ(play(60)[1], Ticks({50})) << "then the French keeps its 5 s";
}

// The pace of everything on the bar: a changed interval shows only in slow end-to-end runs.
TEST_F(Playback, timersRunAtTheirPace) {
    EXPECT_EQ(
        QList<int>({chrome.welcomeTimer().interval(), chrome.blinkTimer().interval(),
                    cycle.englishRiseTimer().interval(), cycle.frenchSlideTimer().interval(),
                    cycle.playCycleTimer().interval(), cycle.lineScroll().timer().interval()}),
        QList<int>({60, 1500, 50, 80, 100, 40}));
}

} // namespace
