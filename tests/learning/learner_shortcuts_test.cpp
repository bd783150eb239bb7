// The learner's desktop-wide keys: each runs its command, and a key another program holds is
// named while the others keep working.
#include "app/module1.h"
#include "fakes/fake_agent.h"
#include "fakes/fake_caption_bar.h"
#include "fakes/fake_global_shortcuts.h"
#include "learning/learner_commands.h"
#include "learning/learner_shortcuts.h"
#include "playback/playback_timers.h"

#include <gtest/gtest.h>

namespace {

class Shortcuts : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = SettingsRecord{};
        Settings.ce = 1, Settings.n = 2, Settings.etime = 5, Settings.ctime = 3;
        gintStartCount = 1;
        bar.agent = &peedy;
        bar.SelectNextSentence();
        timers.Timer5.setEnabled(true);
    }

    FakeCaptionBar bar;
    FakePointer pointer;
    PlaybackTimers timers{bar, pointer};
    FakeCharacter peedy;
    LearnerCommands commands{timers, bar};
    FakeGlobalShortcuts keys;
};

TEST_F(Shortcuts, eachKeyRunsItsCommandAndATakenOneIsNamedWhileTheOthersWork) {
    keys.taken = {"Ctrl+Alt+R"};
    EXPECT_EQ(bindLearnerShortcuts(keys, commands),
              QStringList({"Ctrl+Alt+R is held by another program; that shortcut is off"}));

    EXPECT_FALSE(keys.press("Ctrl+Alt+R"));
    ASSERT_TRUE(keys.press("Ctrl+Alt+Space"));
    EXPECT_TRUE(commands.paused());
    keys.press("Ctrl+Alt+Space");
    EXPECT_FALSE(commands.paused());
    keys.press("Ctrl+Alt+S");
    EXPECT_EQ(peedy.calls.last(), "SpeakSlowly:" + bar.frenchText);
    keys.press("Ctrl+Alt+N");
    keys.press("Ctrl+Alt+N");
    EXPECT_EQ(bar.selections, 3);
    keys.press("Ctrl+Alt+B");
    EXPECT_EQ(bar.selections, 2);
}

TEST_F(Shortcuts, aDesktopWithoutGlobalKeysIsSaidOnce) {
    keys.reason = "no grabs here";
    EXPECT_EQ(bindLearnerShortcuts(keys, commands),
              QStringList({"the keyboard shortcuts are off: no grabs here"}));
    EXPECT_TRUE(keys.bound.isEmpty());
}

} // namespace
