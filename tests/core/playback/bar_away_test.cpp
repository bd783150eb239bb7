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

TEST_F(AwayBar, waitsForTheWelcomeAndComesBackOnlyWhenNoReasonHoldsIt) {
    away.hold(Reason::Snoozed, true);
    EXPECT_FALSE(away.isAway()) << "during the welcome";
    pastTheWelcome();
    EXPECT_TRUE(away.isAway());
    EXPECT_FALSE(cycle.isRunning()) << "the welcome's end starts no play";
    away.hold(Reason::FullScreen, true);
    away.hold(Reason::Snoozed, false);
    EXPECT_TRUE(away.isAway()) << "the full-screen window still holds it";
    away.hold(Reason::FullScreen, false);
    EXPECT_FALSE(away.isAway());
}

TEST_F(AwayBar, awayNothingMovesOrRestsAndBackTheSentenceStartsAgain) {
    pastTheWelcome();
    for (int i = 0; i < 3; ++i) // the French is sliding in
        cycle.onPlayCycleTick();
    cycle.onFrenchSlideTick();
    int rests = 0;
    QObject::connect(&cycle, &PlayCycle::lineAtRest, [&] { ++rests; });
    away.hold(Reason::FullScreen, true);
    EXPECT_EQ(peedy.calls.last(), "Stop");
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
    EXPECT_EQ(bar.frenchLine, " " + playback.french());
    EXPECT_TRUE(bar.paused);
}

} // namespace
