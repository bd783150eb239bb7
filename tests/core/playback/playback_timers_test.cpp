#include "support/play_cycle.h"

#include <array>
#include <gtest/gtest.h>

namespace {

using Ticks = QList<int>;

class Playback : public ::testing::Test, protected PlayCycle {
protected:
    void countdown(int ticks) {
        while (ticks-- > 0)
            timers.onWelcomeTick();
    }

    // Runs the play cycle for this many 100 ms ticks, letting each slide finish between ticks;
    // gives the ticks on which the French slid in, the English rose, and a sentence was chosen.
    std::array<Ticks, 3> play(int ticks) {
        std::array<Ticks, 3> seen;
        for (int tick = 1; tick <= ticks; ++tick) {
            const int selections = bar.selections;
            timers.onPlayCycleTick();
            const bool moved[] = {timers.frenchSlideTimer().isEnabled(),
                                  timers.englishRiseTimer().isEnabled(),
                                  bar.selections != selections};
            for (int i = 0; i < 3; ++i)
                if (moved[i])
                    seen[i] << tick;
            while (timers.frenchSlideTimer().isEnabled())
                timers.onFrenchSlideTick();
            while (timers.englishRiseTimer().isEnabled())
                timers.onEnglishRiseTick();
        }
        return seen;
    }
};

TEST_F(Playback, welcomeScrollsInShowsTheBarAtFiftyAndStartsPlaybackAtTwo) {
    const QString welcome = " Welcome to use Dorvane V1.01.";
    const struct {
        int ticks, blanks;
        bool shown, playing;
    } steps[] = {{1, 49, false, false}, {18, 31, false, false}, {1, 30, true, false},
                 {30, 0, true, false},  {17, 0, true, false},   {1, -1, true, true}};
    for (const auto& step : steps) {
        countdown(step.ticks);
        EXPECT_EQ(bar.frenchLine, step.blanks < 0 ? " " : QString(step.blanks, ' ') + welcome);
        EXPECT_EQ(bar.visible, step.shown) << "count " << timers.welcomeCountdown();
        EXPECT_EQ(timers.playCycleTimer().isEnabled(), step.playing)
            << "count " << timers.welcomeCountdown();
        EXPECT_EQ(bar.splashCloses > 0, step.shown);
    }
    countdown(7);
    EXPECT_EQ(timers.welcomeCountdown(), 1) << "the count rests, 1 to 0 and back";

    timers.armForStartUp();
    timers.playCycleTimer().setEnabled(false);
    bar.pictureEnabled = false;
    countdown(75);
    bar.pictureEnabled = true;
    countdown(10);
    EXPECT_FALSE(timers.playCycleTimer().isEnabled())
        << "with a dialog open only its closing starts play";
}

// Without a character (what is read aloud, in every mode, is checked with the French hold).
TEST_F(Playback, cycleShowsEachLanguageForItsTimeAndEachSentenceNTimes) {
    bar.speaker = nullptr;
    // Frozen mid-cycle, it resumes where it stood with the settings changed meanwhile.
    play(40);
    EXPECT_EQ(bar.frenchLine, " " + bar.frenchText) << "the French slid all the way in";
    play(20);
    ASSERT_EQ(timers.cyclePhase(), 3);
    EXPECT_EQ(bar.englishLine, " " + bar.englishText);
    EXPECT_EQ(bar.englishTop, 60) << "the English rose all the way";
    const int16_t tick = timers.cycleTick();
    timers.playCycleTimer().setEnabled(false);
    settings.englishSeconds = 10;
    countdown(20);
    EXPECT_EQ(timers.cycleTick(), tick);
    EXPECT_EQ(play(200)[0], Ticks({93})) << "the English now stays until 15 s";

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
        timers.restartCycle();
        EXPECT_EQ(play(c.ticks), c.seen) << "ce " << c.ce << " etime " << c.etime;
    }
}

// A line too long for the bar: a moment on its start once it has slid in, then left until its
// end is in view; the cycle waits meanwhile, so the line's own time is left whole.
TEST_F(Playback, aLongLineScrollsToItsEndAndTheCycleWaitsForIt) {
    bar.overflow[int(BarLine::French)] = 100;
    play(1);
    ASSERT_TRUE(timers.scrollTimer().isEnabled());
    const auto scroll = [&](int ticks) {
        for (int i = 0; i < ticks && timers.scrollTimer().isEnabled(); ++i) {
            timers.onPlayCycleTick();
            timers.onScrollTick();
        }
        return bar.scroll[int(BarLine::French)];
    };
    EXPECT_EQ(scroll(PlaybackTimers::kScrollLeadTicks), 0) << "a moment on the start";
    EXPECT_EQ(scroll(10), 20) << "two pixels a tick";
    timers.pause();
    EXPECT_EQ(bar.scroll[int(BarLine::French)], 0) << "paused, the line shows its start";
    EXPECT_FALSE(timers.scrollTimer().isEnabled());
    timers.resume();
    EXPECT_EQ(scroll(PlaybackTimers::kScrollLeadTicks + 50), 100);
    EXPECT_FALSE(timers.scrollTimer().isEnabled()) << "the end stays in view";
    EXPECT_EQ(timers.cycleTick(), 1) << "the cycle waited";
    EXPECT_EQ(play(60)[1], Ticks({50})) << "then the French keeps its 5 s";
}

// The pace of everything on the bar: a changed interval shows only in slow end-to-end runs.
TEST_F(Playback, timersRunAtTheirPace) {
    EXPECT_EQ(
        QList<int>({timers.welcomeTimer().interval(), timers.blinkTimer().interval(),
                    timers.englishRiseTimer().interval(), timers.frenchSlideTimer().interval(),
                    timers.playCycleTimer().interval()}),
        QList<int>({60, 1500, 50, 80, 100}));
}

TEST_F(Playback, autoHideCollapsesAwayFromTheBarAndReopensOnlyFromTheTopFourRows) {
    const struct {
        int16_t visi;
        QPoint at;
        int ticks, height;
    } steps[] = {{1, {500, 300}, 3, 340}, // never during the welcome; any visi but 0 hides
                 {1, {500, 300}, 70, 20}, {1, {500, 4}, 1, 20}, {1, {500, 3}, 1, 340},
                 {1, {500, 15}, 1, 340},  {2, {900, 3}, 1, 20}, {0, {900, 3}, 1, 340}};
    for (const auto& step : steps) {
        settings.autoHide = step.visi, pointer.at = step.at;
        countdown(step.ticks);
        EXPECT_EQ(bar.height, step.height) << step.at.x() << "," << step.at.y();
    }

    // Collapsed, the bottom line blinks green and red; it clears at full height or while dragged.
    bar.height = 20;
    std::vector<std::optional<RgbColour>> lines;
    for (auto [dragging, height] :
         {std::pair{false, 20}, {false, 20}, {false, 20}, {true, 20}, {false, 340}}) {
        bar.isDragging = dragging, bar.height = height;
        timers.onBlinkTick();
        lines.push_back(bar.line);
    }
    EXPECT_EQ(lines, (std::vector<std::optional<RgbColour>>{0x00FF00, 0xFF0000, 0x00FF00,
                                                            std::nullopt, std::nullopt}));
}

} // namespace
