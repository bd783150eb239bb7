// The learner's controls on the real windows: the tray menu and its click, the pause sign, the
// placement check and the learning modes' menu entries.
#include "core/learning/learner_commands.h"
#include "core/ports/global_shortcuts.h"
#include "support/desktop.h"
#include "ui/bar/bar_menu.h"
#include "ui/learn/learn_actions.h"
#include "ui/tray/tray_icon.h"

#include <QLabel>
#include <QMenu>

namespace {

class Controls : public ApplicationOnFakes {
protected:
    void SetUp() override {
        program.start();
        pastTheWelcome();
        settings.inSequence = 1, settings.topic = 0, settings.sequencePosition = 10501;
        characters.peedy.calls.clear();
    }
    void pastTheWelcome() { // playback has started
        while (!program.bar().chrome().welcomeOver())
            program.bar().chrome().onWelcomeTick();
    }
    PlayCycle& cycle = program.cycle();
};

TEST_F(Controls, trayMenuRunsTheCommandsAndTheBarMenusOwnEntriesUnderTheSameRules) {
    CaptionBar& bar = program.bar();
    BarMenu menu;
    MenuCommands menuCommands(bar, menu, platform, settings, program.cycle(), playback.gate());
    int ended = 0;
    QObject::connect(&menuCommands, &MenuCommands::exitRequested, [&] { ++ended; });
    TrayIcon tray(program.learner(), program.learnActions(), menu, playback.gate());
    const auto entry = [&](const char* name) {
        const QList<QAction*> actions = tray.menu().actions();
        const auto found = std::find_if(actions.begin(), actions.end(),
                                        [&](QAction* a) { return a->objectName() == name; });
        (*found)->trigger();
        return *found;
    };
    QAction* readAloud = entry("characterShownToggle");
    EXPECT_EQ(menu.readAloudAction()->text(), "R&ead aloud") << "the bar menu's entry follows";
    EXPECT_EQ(characters.peedy.calls.last(), "Hide");
    menu.readAloudAction()->trigger();
    EXPECT_TRUE(readAloud->isChecked()) << "in step";

    tray.activate(QSystemTrayIcon::Trigger); // a left click
    EXPECT_TRUE(bar.pauseSign()->isVisibleTo(&bar)) << "the bar shows that it is paused";
    entry("next");
    EXPECT_TRUE(bar.pauseSign()->isVisibleTo(&bar)) << "a step while paused stays paused";
    EXPECT_EQ(settings.sequencePosition, 10502);

    entry("tray_settings");
    const SettingsDialog* dialog = menuCommands.settingsDialog();
    ASSERT_NE(dialog, nullptr);
    entry("tray_settings");
    entry("tray_about");
    EXPECT_EQ(menuCommands.settingsDialog(), dialog) << "nothing while a dialog is open";
    EXPECT_EQ(menuCommands.aboutWindow(), nullptr);
    entry("tray_exit");
    EXPECT_EQ(ended, 1);
}

TEST_F(Controls, aTrayThatComesAfterTheStartGetsTheIconAndTheLookingStops) {
    bool trayThere = false;
    program.startLearnerControls(nullptr, nullptr, [&] { return trayThere; });
    program.onTrayWatchTick();
    EXPECT_EQ(program.tray(), nullptr);
    EXPECT_TRUE(program.trayWatchTimer().isActive());
    trayThere = true;
    program.onTrayWatchTick();
    ASSERT_NE(program.tray(), nullptr);
    EXPECT_TRUE(program.tray()->icon().isVisible());
    EXPECT_FALSE(program.trayWatchTimer().isActive());
}

TEST_F(Controls, aBarPutElsewhereIsSaidOnceAndPeedyKeepsClearOfWhereItReallyIs) {
    program.bar().move(0, 0); // a window system that piles windows at the top-left
    testing::internal::CaptureStderr();
    program.checkPlacement();
    program.checkPlacement();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said.rfind("dorvane: the window system put the bar at 0,0 instead of ", 0), 0) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
    EXPECT_EQ(characters.peedy.clearOf, QRect(0, 0, program.bar().width(), 23));
}

TEST_F(Controls, hidingTheTranslationIsKeptAndLetsTheOtherLanguageShowWhilePlaying) {
    LearnActions& learn = program.learnActions();
    EXPECT_FALSE(learn.action("otherLanguage")->isEnabled()) << "playing, it would do nothing";
    learn.action("hideTranslation")->trigger();
    EXPECT_EQ(store.values["Vesk/Learning/hide_translation"], "1");
    EXPECT_TRUE(cycle.translationHidden());
    EXPECT_TRUE(learn.action("otherLanguage")->isEnabled());
}

} // namespace
