// The bar away, over the play cycle on fakes: the reasons held apart, the welcome waited for,
// and the cycle standing still meanwhile and playing the sentence from its start after.
#include "core/playback/bar_away.h"
#include "support/play_cycle.h"

#include <gtest/gtest.h>

namespace {

using Reason = BarAway::Reason;

class AwayBar : public ::testing::Test, protected PlayCycleOnFakes {
protected:
    void pastTheWelcome() {
        while (!chrome.welcomeOver())
            chrome.onWelcomeTick();
    }

    BarAway away{cycle, chrome};
};

TEST_F(AwayBar, oneReasonEndingLeavesTheBarAwayWhileAnotherHoldsIt) {
    pastTheWelcome();
    away.hold(Reason::Snoozed, true);
    away.hold(Reason::FullScreen, true);
    away.hold(Reason::Snoozed, false);
    EXPECT_TRUE(away.isAway());
    away.hold(Reason::FullScreen, false);
    EXPECT_FALSE(away.isAway());
}

TEST_F(AwayBar, aSnoozeDuringTheWelcomeWaitsForItsEnd) {
    int changes = 0;
    QObject::connect(&away, &BarAway::awayChanged, [&] { ++changes; });
    away.hold(Reason::Snoozed, true);
    EXPECT_FALSE(away.isAway());
    pastTheWelcome();
    EXPECT_TRUE(away.isAway());
    EXPECT_FALSE(cycle.isRunning()) << "the welcome's end starts no play";
    EXPECT_EQ(changes, 1);
}

TEST_F(AwayBar, awayNothingMovesOrRestsAndBackTheSentenceStartsAgain) {
    pastTheWelcome();
    for (int i = 0; i < 3; ++i) // the French is sliding in
        cycle.onPlayCycleTick();
    cycle.onFrenchSlideTick();
    ASSERT_TRUE(cycle.frenchSlideTimer().isEnabled());
    int rests = 0;
    QObject::connect(&cycle, &PlayCycle::lineAtRest, [&] { ++rests; });
    away.hold(Reason::FullScreen, true);
    EXPECT_EQ(peedy.calls.last(), "Stop");
    EXPECT_FALSE(cycle.frenchSlideTimer().isEnabled());
    const int16_t tick = cycle.cycleTick();
    for (int i = 0; i < 100; ++i) {
        cycle.onPlayCycleTick();
        cycle.onFrenchSlideTick();
    }
    EXPECT_EQ(cycle.cycleTick(), tick);
    EXPECT_EQ(rests, 0) << "nothing counts as seen";
    cycle.holdForSettings(); // a dialog opened and closed meanwhile
    cycle.releaseAfterSettings();
    EXPECT_FALSE(cycle.isRunning());

    peedy.calls.clear();
    away.hold(Reason::FullScreen, false);
    EXPECT_TRUE(cycle.isRunning());
    EXPECT_EQ(cycle.slideStep(), 0);
    EXPECT_TRUE(cycle.frenchSlideTimer().isEnabled()) << "the French slides in from its start";
    EXPECT_EQ(peedy.calls.first(), "Speak:" + playback.french());
}

TEST_F(AwayBar, aBarPausedBeforeItWentComesBackPausedWithItsFirstLineAtRest) {
    pastTheWelcome();
    cycle.onPlayCycleTick();
    cycle.pause();
    away.hold(Reason::Snoozed, true);
    away.hold(Reason::Snoozed, false);
    EXPECT_TRUE(playback.paused());
    EXPECT_EQ(bar.frenchLine, " " + playback.french());
    EXPECT_TRUE(bar.paused);
}

} // namespace
