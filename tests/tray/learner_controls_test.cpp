// The learner's controls on the real windows: the tray menu and its click, the wheel over the
// bar, the pause sign, and the desktop-wide keys wired by the program.
#include "app/module1.h"
#include "app/program.h"
#include "bar/form1.h"
#include "commands/menu_commands.h"
#include "content/dialogue_table.h"
#include "fakes/fake_agent.h"
#include "fakes/fake_auto_start.h"
#include "fakes/fake_global_shortcuts.h"
#include "fakes/fake_message_dialog.h"
#include "fakes/fake_settings_store.h"
#include "fakes/fake_window_system.h"
#include "fakes/scripted_random.h"
#include "forms/bar_label.h"
#include "forms/form2.h"
#include "forms/picture_box.h"
#include "learning/learner_commands.h"
#include "platform/platform.h"
#include "platform/shell.h"
#include "tray/tray_icon.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

struct NoShell : Shell {
    void open(const QString&) override {}
};

class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        program.Form_Load();
        for (int i = 0; i < 68; ++i) // past the welcome: playback has started
            program.bar().timers.Timer1_Timer();
        agent.peedy.calls.clear();
    }
    QAction* trayEntry(TrayIcon& tray, const char* name) {
        return tray.menu().findChild<QAction*>(QLatin1String(name));
    }
    void wheel(int delta) {
        QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&program.bar(), &event);
    }

    FakeSettingsStore store;
    FakeWindowSystem windows;
    FakeMessageDialog messages;
    FakeAgentControl agent;
    NoShell shell;
    FakeAutoStart autoStart;
    Platform platform{store, windows, messages, agent, shell, autoStart};
    ScriptedRandom random;
    Program program{platform, random};
};

TEST_F(Controls, trayMenuRunsTheCommandsAndTheBarMenusOwnEntries) {
    Form1& bar = program.bar();
    Form2 form2;
    MenuCommands menuCommands(bar, form2, platform);
    int ended = 0;
    menuCommands.endProcess = [&] { ++ended; };
    TrayIcon tray(program.learner(), form2, *bar.Image1);

    QStringList captions;
    for (QAction* action : tray.menu().actions())
        captions << (action->isSeparator() ? "-" : action->text().remove('&'));
    EXPECT_EQ(captions, QStringList({"Pause", "Replay", "Replay slowly", "Previous", "Next", "-",
                                     "Read aloud", "Settings...", "About...", "-", "Exit"}));
    EXPECT_EQ(tray.menu().actions().indexOf(tray.extrasAnchor()), 5);

    tray.activate(QSystemTrayIcon::Trigger); // a left click
    EXPECT_TRUE(program.learner().paused());
    EXPECT_TRUE(bar.PauseSign->isVisibleTo(&bar)) << "the bar shows that it is paused";
    EXPECT_EQ(trayEntry(tray, "tray_pause")->text(), "Res&ume");
    trayEntry(tray, "tray_pause")->trigger();
    EXPECT_FALSE(bar.PauseSign->isVisibleTo(&bar));

    trayEntry(tray, "tray_read_aloud")->trigger();
    EXPECT_EQ(form2.mnu_hlp->text(), "R&ead aloud") << "the bar menu's toggle ran";
    EXPECT_FALSE(trayEntry(tray, "tray_read_aloud")->isChecked());
    form2.mnu_hlp->trigger();
    EXPECT_TRUE(trayEntry(tray, "tray_read_aloud")->isChecked()) << "in step with the bar menu";
    EXPECT_EQ(agent.peedy.calls.filter(QRegularExpression("^(Show|Hide)$")),
              QStringList({"Hide", "Show"}));

    trayEntry(tray, "tray_settings")->trigger();
    ASSERT_NE(menuCommands.settingsDialog(), nullptr);
    const Form3* dialog = menuCommands.settingsDialog();
    trayEntry(tray, "tray_settings")->trigger();
    trayEntry(tray, "tray_about")->trigger();
    EXPECT_EQ(menuCommands.settingsDialog(), dialog) << "nothing while a dialog is open";
    EXPECT_EQ(menuCommands.aboutWindow(), nullptr);

    trayEntry(tray, "tray_exit")->trigger();
    EXPECT_EQ(ended, 1);
}

TEST_F(Controls, wheelStepsOneSentencePerNotchAndIgnoresAFlick) {
    Form1& bar = program.bar();
    Settings.rd = 1;
    Settings.guage = 0;
    Settings.guagen = 10110;
    wheel(-120); // down: next
    EXPECT_EQ(Settings.guagen, 10111);
    wheel(-120);
    wheel(-120);
    EXPECT_EQ(Settings.guagen, 10111) << "notches right after the last one are a flick";
    EXPECT_EQ(bar.Label1->toolTip(), bar.mstrFrench);
    EXPECT_EQ(agent.peedy.calls.first(), "Stop");
}

TEST_F(Controls, desktopKeysReachTheCommandsAndAMissingTrayChangesNothingElse) {
    auto keys = std::make_unique<FakeGlobalShortcuts>();
    FakeGlobalShortcuts& pressed = *keys;
    program.startLearnerControls(std::move(keys));
    EXPECT_EQ(program.tray(), nullptr) << "the offscreen desktop has no tray";
    Settings.rd = 1;
    Settings.guage = 0;
    Settings.guagen = 10501;
    pressed.press("Ctrl+Alt+N");
    EXPECT_EQ(Settings.guagen, 10502);
    pressed.press("Ctrl+Alt+B");
    EXPECT_EQ(Settings.guagen, 10436) << "back over a topic's start, as the walk goes";
    EXPECT_EQ(program.bar().mstrFrench, DialogueTable::builtIn().lookup(10435));
}

} // namespace
