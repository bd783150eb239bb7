// The learner's controls on the real windows: the tray menu and its click, the pause sign, the
// desktop-wide keys wired by the program, and the learning modes' menu entries and progress window.
#include "core/learning/learner_commands.h"
#include "core/lessons/dialogue_table.h"
#include "fakes/fake_global_shortcuts.h"
#include "support/desktop.h"
#include "ui/tray/learning_menu.h"
#include "ui/tray/tray_icon.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

namespace {

class Controls : public ApplicationOnFakes {
protected:
    void SetUp() override {
        program.start();
        for (int i = 0; i < 68; ++i) // past the welcome: playback has started
            program.bar().timers().onWelcomeTick();
        Settings.inSequence = 1, Settings.topic = 0, Settings.sequencePosition = 10501;
        characters.peedy.calls.clear();
    }
};

TEST_F(Controls, trayMenuRunsTheCommandsAndTheBarMenusOwnEntriesUnderTheSameRules) {
    CaptionBar& bar = program.bar();
    BarMenu menu;
    MenuCommands menuCommands(bar, menu, platform);
    int ended = 0;
    QObject::connect(&menuCommands, &MenuCommands::exitRequested, [&] { ++ended; });
    TrayIcon tray(program.learner(), menu, *bar.menuPicture());
    const auto entry = [&](const char* name) {
        const QList<QAction*> actions = tray.menu().actions();
        const auto found = std::find_if(actions.begin(), actions.end(),
                                        [&](QAction* a) { return a->objectName() == name; });
        (*found)->trigger();
        return *found;
    };
    QAction* readAloud = entry("readAloudToggle");
    EXPECT_EQ(menu.readAloudAction()->text(), "R&ead aloud") << "the bar menu's entry follows";
    EXPECT_EQ(characters.peedy.calls.last(), "Hide");
    menu.readAloudAction()->trigger();
    EXPECT_TRUE(readAloud->isChecked()) << "in step";

    tray.activate(QSystemTrayIcon::Trigger); // a left click
    EXPECT_TRUE(bar.pauseSign()->isVisibleTo(&bar)) << "the bar shows that it is paused";
    entry("tray_next");
    EXPECT_TRUE(bar.pauseSign()->isVisibleTo(&bar)) << "a step while paused stays paused";
    EXPECT_EQ(Settings.sequencePosition, 10502);

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

TEST_F(Controls, desktopKeysReachTheCommandsThoughOneIsTaken) {
    auto keys = std::make_unique<FakeGlobalShortcuts>();
    FakeGlobalShortcuts& pressed = *keys;
    keys->taken = {"Ctrl+Alt+R"}; // the others are bound all the same
    program.startLearnerControls(std::move(keys));
    pressed.press("Ctrl+Alt+B");
    EXPECT_EQ(Settings.sequencePosition, 10436) << "back over a topic's start, as the walk goes";
    pressed.press("Ctrl+Alt+S");
    EXPECT_EQ(characters.peedy.calls.last(), "SpeakSlowly:" + program.bar().french());
}

using Learning = ApplicationOnFakes;

TEST_F(Learning, markingKnownMovesOnAndProgressUpdatesWithoutTakingTheFocus) {
    Settings = SettingsRecord{};
    for (auto [key, value] : {std::pair{"xxx", "1"}, {"rd", "1"}, {"guage", "1"}})
        store.seed(key, value);
    store.values["Vesk/Learning/known"] = "10101";
    store.values["Vesk/Learning/seen"] = "10101-10120,10301-10335";
    program.start(); // the sequence starts at 11000, in topic 1: 10101
    LearningModes& modes = program.learning();

    QWidget work;
    work.show();
    QMenu menu;
    QAction* exit = menu.addAction("Exit");
    const auto entries = addLearningEntries(menu, exit, modes, [&] { program.showProgress(); });
    entries.progress->trigger();
    ProgressWindow& window = *program.progressWindow();
    EXPECT_EQ(window.figures(1)->text(), "20 seen, 1 known");
    work.activateWindow();
    QApplication::processEvents();
    QWidget* const active = QApplication::activeWindow();

    while (!program.bar().timers().welcomeOver())
        program.bar().timers().onWelcomeTick();
    program.bar().timers().playCycleTimer().setEnabled(true);
    entries.knowThisOne->trigger();
    EXPECT_EQ(program.bar().french(), DialogueTable::builtIn().lookup(10103)) << "moved on";
    EXPECT_EQ(window.bar(1)->known(), 2);
    EXPECT_EQ(QApplication::activeWindow(), active);
    program.learner().next();
    program.learner().previous(); // back on 10103: that is the sentence a mark means
    entries.knowThisOne->trigger();
    EXPECT_EQ(store.values["Vesk/Learning/known"], "10101-10103");

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&window, &escape);
    EXPECT_FALSE(window.isVisible()) << "Esc closes it";
}

} // namespace
