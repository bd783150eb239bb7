// Stepping aside for full-screen windows: which window, on which monitor, in which state, and
// the learner's switch for it.
#include "core/playback/step_aside.h"
#include "fakes/fake_full_screen_watch.h"
#include "fakes/fake_settings_store.h"

#include <gtest/gtest.h>

namespace {

const QRect kBarMonitor(0, 0, 1920, 1080);
const QRect kOtherMonitor(1920, 0, 1280, 1024);

ActiveWindow window(const QRect& geometry, bool fullScreen, bool frameless = false) {
    return {geometry, fullScreen, frameless, false};
}

TEST(StepAsideRule, onlyAnotherProgramsWindowFillingTheBarsMonitorCounts) {
    const struct {
        const char* what;
        ActiveWindow window;
        bool counts;
    } cases[] = {
        {"full screen on the bar's monitor", window(kBarMonitor, true), true},
        {"full screen on another monitor", window(kOtherMonitor, true), false},
        {"frameless, the monitor's size", window(kBarMonitor, false, true), true},
        {"frameless, smaller", window(QRect(0, 0, 1920, 1000), false, true), false},
        {"framed, maximised to that size", window(kBarMonitor, false), false},
        {"our own, full screen", {kBarMonitor, true, false, true}, false},
        {"the screen busy, no window named", window(QRect(), true), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StepAside::coversMonitor(c.window, kBarMonitor), c.counts) << c.what;
}

class StepAsideSwitch : public ::testing::Test {
protected:
    void SetUp() override { aside.setWatch(&watch); }

    FakeSettingsStore store;
    FakeFullScreenWatch watch;
    StepAside aside{store, [] { return kBarMonitor; }};
};

TEST_F(StepAsideSwitch, offByDefaultNothingIsWatched) {
    aside.load();
    watch.focus(window(kBarMonitor, true));
    EXPECT_FALSE(watch.running);
    EXPECT_FALSE(aside.holdsBarAway());
}

TEST_F(StepAsideSwitch, onItFollowsTheFocusAndOffItLetsTheBarBack) {
    aside.setEnabled(true);
    EXPECT_EQ(store.values.value("Vesk/Bar/step_aside"), "1");
    watch.focus(window(kBarMonitor, true));
    EXPECT_TRUE(aside.holdsBarAway());
    watch.focus(window(QRect(100, 100, 800, 600), false)); // the focus went to a normal window
    EXPECT_FALSE(aside.holdsBarAway());
    watch.focus(window(kBarMonitor, true));
    aside.setEnabled(false);
    EXPECT_FALSE(aside.holdsBarAway());
    EXPECT_FALSE(watch.running);
}

TEST_F(StepAsideSwitch, aStoredChoiceStartsTheWatch) {
    store.values["Vesk/Bar/step_aside"] = "1";
    aside.load();
    EXPECT_TRUE(watch.running);
}

} // namespace
