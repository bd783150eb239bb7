// The learner's controls on the real windows: the tray menu and its click, the pause sign, the
// desktop-wide keys wired by the program, and the learning modes' menu entries and progress window.
#include "core/learning/learner_commands.h"
#include "core/lessons/dialogue_table.h"
#include "core/ports/global_shortcuts.h"
#include "support/desktop.h"
#include "ui/bar/bar_menu.h"
#include "ui/learn/learn_actions.h"
#include "ui/tray/tray_icon.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QToolTip>

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
        while (!timers.welcomeOver())
            timers.onWelcomeTick();
    }
    PlaybackTimers& timers = program.bar().timers();
};

TEST_F(Controls, trayMenuRunsTheCommandsAndTheBarMenusOwnEntriesUnderTheSameRules) {
    CaptionBar& bar = program.bar();
    BarMenu menu;
    MenuCommands menuCommands(bar, menu, platform, settings);
    int ended = 0;
    QObject::connect(&menuCommands, &MenuCommands::exitRequested, [&] { ++ended; });
    TrayIcon tray(program.learner(), program.learnActions(), menu, *bar.menuPicture());
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
    EXPECT_TRUE(timers.translationHidden());
    EXPECT_TRUE(learn.action("otherLanguage")->isEnabled());
}

// Sequence through topic 1 from its start; each test starts the program.
class Learning : public Controls {
protected:
    void SetUp() override {
        for (auto [key, value] : {std::pair{"xxx", "1"}, {"rd", "1"}, {"guage", "1"}})
            store.seed(key, value);
    }
};

TEST_F(Learning, markingKnownActsOnlyOnASentenceOnTheBarAndForgettingAsksFirst) {
    store.values["Vesk/Learning/known"] = "10101";
    store.values["Vesk/Learning/seen"] = "10101-10120,10301-10335";
    program.start(); // the sequence starts at 11000, in topic 1: 10101
    LearnActions& learn = program.learnActions();

    learn.action("knowThisOne")->trigger(); // the welcome is still showing
    EXPECT_EQ(store.values["Vesk/Learning/known"], "10101");
    pastTheWelcome();
    timers.playCycleTimer().setEnabled(false); // the settings dialog is open
    learn.action("knowThisOne")->trigger();
    learn.action("knowThisOne")->trigger();
    EXPECT_EQ(store.values["Vesk/Learning/known"], "10101");
    timers.playCycleTimer().setEnabled(true);

    learn.action("knowThisOne")->trigger();
    EXPECT_EQ(QToolTip::text(), "Marked as known") << "said under the bar";
    EXPECT_EQ(program.bar().french(), DialogueTable::builtIn().lookup(10103)) << "moved on";
    program.learner().next();
    program.learner().previous(); // back on 10103: that is the sentence a mark means
    learn.action("knowThisOne")->trigger();
    EXPECT_EQ(store.values["Vesk/Learning/known"], "10101-10103");

    for (const bool yes : {false, true}) {
        messages.answer = yes;
        learn.action("forgetTopic")->trigger();
        EXPECT_EQ(messages.shown.last(), "Forget the 3 sentences you know in Greetings?");
        EXPECT_EQ(store.values["Vesk/Learning/known"], yes ? "" : "10101-10103") << yes;
    }
    EXPECT_FALSE(learn.action("forgetTopic")->isEnabled()) << "nothing left to forget";
}

TEST_F(Learning, aSentenceIsSeenOnceItRestsAndProgressComesBackUnminimisedWithoutTheFocus) {
    program.start();
    pastTheWelcome();
    for (int i = 0; i < 3; ++i) // quick jumps: 10102 and 10103 are gone before they are read
        program.learner().next();
    while (timers.frenchSlideTimer().isEnabled())
        timers.onFrenchSlideTick();
    EXPECT_EQ(program.learning().seen().toText(), "10104");

    QWidget work;
    work.show();
    program.learnActions().action("progress")->trigger();
    ProgressWindow& window = *program.progressWindow();
    EXPECT_EQ(window.figures(1)->text(), "1 seen, 0 known");
    work.activateWindow();
    QApplication::processEvents();
    QWidget* const active = QApplication::activeWindow();
    program.learner().next();
    while (timers.frenchSlideTimer().isEnabled())
        timers.onFrenchSlideTick();
    EXPECT_EQ(window.bar(1)->seen(), 2);
    EXPECT_EQ(QApplication::activeWindow(), active);

    window.setWindowState(Qt::WindowMinimized);
    program.learnActions().action("progress")->trigger();
    EXPECT_FALSE(window.windowState() & Qt::WindowMinimized);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&window, &escape);
    EXPECT_FALSE(window.isVisible()) << "Esc closes it";
}

} // namespace
