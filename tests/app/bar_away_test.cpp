// The bar away in the whole program: a snooze from the socket and the menus, the tray saying
// until when, and stepping aside for a full-screen window once the learner turns it on.
#include "core/learning/learner_commands.h"
#include "core/ports/global_shortcuts.h"
#include "fakes/fake_full_screen_watch.h"
#include "support/desktop.h"
#include "ui/learn/learn_actions.h"
#include "ui/tray/tray_icon.h"

#include <QMenu>
#include <QScreen>

namespace {

class AwayProgram : public ApplicationOnFakes {
protected:
    void SetUp() override {
        program.start();
        emit program.splash()->picture()->clicked();
        while (!program.bar().chrome().welcomeOver())
            program.bar().chrome().onWelcomeTick();
    }
    QAction* entry(const char* name) { return program.learnActions().action(name); }
};

// The tray's tooltip says until when.
TEST_F(AwayProgram, aSnoozeHidesTheBarAndPeedyAndWakeUpBringsThemBack) {
    program.startLearnerControls(nullptr, nullptr, [] { return true; });
    program.learnActions().snoozeMenu()->findChild<QAction*>("snooze60")->trigger();
    EXPECT_FALSE(program.bar().isVisible());
    EXPECT_FALSE(characters.peedy.visible);
    EXPECT_FALSE(entry("snooze")->isVisible());
    const QString until = program.snooze().until().toString("HH:mm");
    EXPECT_TRUE(program.tray()->icon().toolTip().endsWith("Snoozed until " + until));
    entry("wake")->trigger();
    EXPECT_TRUE(program.bar().isVisible());
    EXPECT_TRUE(characters.peedy.visible);
    EXPECT_TRUE(entry("snooze")->isVisible());
    EXPECT_FALSE(program.tray()->icon().toolTip().contains("Snoozed"));
}

// Restarted within the snooze, the welcome plays and then the bar goes again; a start while
// it runs wakes it.
TEST(AwayAtStart, aStoredSnoozeStillOnHidesTheBarOnceTheWelcomeEndsUntilAnotherStart) {
    FakePlatform fakes;
    const QDateTime end = QDateTime::currentDateTime().addSecs(3600);
    fakes.store.values["Vesk/Bar/snoozed_until"] = QString::number(end.toSecsSinceEpoch());
    Application program{fakes.platform, fakes.settings, fakes.random, fakes.playback};
    program.start();
    emit program.splash()->picture()->clicked();
    EXPECT_TRUE(program.bar().isVisible()) << "the welcome shows";
    while (!program.bar().chrome().welcomeOver())
        program.bar().chrome().onWelcomeTick();
    EXPECT_FALSE(program.bar().isVisible());
    program.activate(); // started once more
    EXPECT_TRUE(program.bar().isVisible());
}

TEST_F(AwayProgram, aFullScreenWindowMovesTheBarAsideOnlyOnceTheLearnerAsks) {
    auto owned = std::make_unique<FakeFullScreenWatch>();
    FakeFullScreenWatch& watch = *owned;
    program.watchFullScreen(std::move(owned));
    ActiveWindow video;
    video.geometry = program.bar().screen()->geometry();
    video.fullScreen = true;
    watch.focus(video);
    EXPECT_TRUE(program.bar().isVisible()) << "off by default";

    entry("stepAside")->trigger();
    EXPECT_EQ(store.values.value("Vesk/Bar/step_aside"), "1");
    watch.focus(video);
    EXPECT_FALSE(program.bar().isVisible());
    program.runCommand("snooze 15");
    watch.focus(ActiveWindow{}); // the video ended
    EXPECT_FALSE(program.bar().isVisible()) << "still snoozed";
    program.runCommand("wake");
    EXPECT_TRUE(program.bar().isVisible());
}

} // namespace
