// Stepping aside for full-screen windows: which window, on which monitor, in which state, and
// the learner's switch for it.
#include "core/playback/step_aside.h"
#include "fakes/fake_full_screen_watch.h"
#include "fakes/fake_settings_store.h"

#include <gtest/gtest.h>

namespace {

const QRect kLeftMonitor(0, 0, 1920, 1080);
const QRect kRightMonitor(1920, 0, 1280, 1024);

ActiveWindow window(const QRect& geometry, bool fullScreen, bool frameless = false) {
    ActiveWindow active;
    active.geometry = geometry;
    active.fullScreen = fullScreen;
    active.frameless = frameless;
    return active;
}

TEST(StepAsideRule, aFullScreenWindowCountsOnlyOnTheBarsMonitor) {
    EXPECT_TRUE(StepAside::coversMonitor(window(kLeftMonitor, true), kLeftMonitor));
    EXPECT_FALSE(StepAside::coversMonitor(window(kRightMonitor, true), kLeftMonitor));
}

TEST(StepAsideRule, aFramelessWindowCountsOnlyAtTheMonitorsWholeSize) {
    EXPECT_TRUE(StepAside::coversMonitor(window(kRightMonitor, false, true), kRightMonitor));
    EXPECT_FALSE(
        StepAside::coversMonitor(window(QRect(1920, 0, 1280, 1000), false, true), kRightMonitor));
    EXPECT_FALSE(StepAside::coversMonitor(window(kRightMonitor, false), kRightMonitor))
        << "a framed window that large is maximised, not full screen";
}

TEST(StepAsideRule, theProgramsOwnWindowsNeverCount) {
    ActiveWindow own = window(kLeftMonitor, true);
    own.ours = true;
    EXPECT_FALSE(StepAside::coversMonitor(own, kLeftMonitor));
}

TEST(StepAsideRule, aBusyScreenWithNoWindowNamedCountsEverywhere) {
    EXPECT_TRUE(StepAside::coversMonitor(window(QRect(), true), kRightMonitor));
    EXPECT_FALSE(StepAside::coversMonitor(window(QRect(), false), kRightMonitor));
}

class StepAsideSwitch : public ::testing::Test {
protected:
    void SetUp() override { aside.setWatch(&watch); }

    FakeSettingsStore store;
    FakeFullScreenWatch watch;
    StepAside aside{store, [] { return kLeftMonitor; }};
};

TEST_F(StepAsideSwitch, offByDefaultNothingIsWatched) {
    aside.load();
    watch.focus(window(kLeftMonitor, true));
    EXPECT_FALSE(watch.running);
    EXPECT_FALSE(aside.holdsBarAway());
}

TEST_F(StepAsideSwitch, onItFollowsTheFocusAndOffItLetsTheBarBack) {
    aside.setEnabled(true);
    EXPECT_EQ(store.values.value("Vesk/Bar/step_aside"), "1");
    EXPECT_TRUE(watch.running);
    watch.focus(window(kLeftMonitor, true));
    EXPECT_TRUE(aside.holdsBarAway());
    watch.focus(window(QRect(100, 100, 800, 600), false)); // the focus went to a normal window
    EXPECT_FALSE(aside.holdsBarAway());
    watch.focus(window(kLeftMonitor, true));
    aside.setEnabled(false);
    EXPECT_FALSE(aside.holdsBarAway());
    EXPECT_FALSE(watch.running);
}

TEST_F(StepAsideSwitch, aStoredChoiceStartsTheWatch) {
    store.values["Vesk/Bar/step_aside"] = "1";
    aside.load();
    EXPECT_TRUE(aside.enabled());
    EXPECT_TRUE(watch.running);
}

} // namespace
