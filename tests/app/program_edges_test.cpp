// The program at its edges: a settings dialog whose choices cannot be stored says so once,
// naming what failed and why; ends other than Exit save as Exit and are never held up; a
// second start brings the bar forward, waiting for it to appear when it is still hidden.
#include "app/module1.h"
#include "app/program.h"
#include "bar/form1.h"
#include "commands/menu_commands.h"
#include "fakes/fake_agent.h"
#include "fakes/fake_auto_start.h"
#include "fakes/fake_message_dialog.h"
#include "fakes/fake_settings_store.h"
#include "fakes/fake_window_system.h"
#include "fakes/scripted_random.h"
#include "forms/picture_box.h"
#include "platform/platform.h"
#include "platform/shell.h"
#include "settings_dialog/form3.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

struct NoShell : Shell {
    void open(const QString&) override {}
};

class ProgramEdges : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = {1, 2, 3, 5, 1, 1, 1, 0, 1, 1, 10207, 0, 1, 150, "1"};
        gintStartCount = 1;
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

TEST_F(ProgramEdges, closingTheDialogShowsOneMessageNamingEveryFailure) {
    struct Case {
        const char* what;
        QString storeFailure;
        QString entryFailure;
        int16_t ssave;
        QStringList mustName; // empty: no message at all
    };
    const QString conf = "/home/ana/.config/Vesk.conf could not be saved: its folder is read-only";
    const QString entry = "/home/ana/.config/autostart/dorvane.desktop could not be written";
    const Case cases[] = {
        {"all saved", {}, {}, 1, {}},
        {"the store fails", conf, {}, 1, {conf}},
        {"the login entry fails", {}, entry, 1, {entry}},
        {"both fail", conf, entry, 1, {conf, entry}},
        {"nothing is saved when asked not to", conf, entry, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        store.failure = c.storeFailure;
        autoStart.failure = c.entryFailure;
        messages.shown.clear();
        program.commands().mnu_sysset_Click();
        Form3* dialog = program.commands().settingsDialog();
        ASSERT_NE(dialog, nullptr);
        if (c.ssave == 0)
            dialog->Check1->click(); // "Save setting while exit" off
        dialog->close();
        QCoreApplication::processEvents();
        if (c.mustName.isEmpty()) {
            EXPECT_EQ(messages.shown, QStringList());
        } else {
            ASSERT_EQ(messages.shown.size(), 1);
            for (const QString& part : c.mustName)
                EXPECT_TRUE(messages.shown[0].contains(part)) << qPrintable(messages.shown[0]);
        }
        EXPECT_TRUE(program.bar().Image1->isEnabled()) << "the dialog closed all the same";
        Settings.ssave = 1;
    }
}

TEST_F(ProgramEdges, endingTheProgramSavesAsExitEvenWhenTheStoreFailsAndIsNeverHeldUp) {
    for (const QString& failure : {QString(), QString("Vesk.conf could not be saved")}) {
        SCOPED_TRACE(qPrintable(failure));
        store.failure = failure;
        store.writes.clear();
        int ended = 0;
        program.commands().endProcess = [&] { ++ended; };
        program.bar().setLeft(4321);
        Settings.guagen = 10305;
        program.endAsExit();
        EXPECT_EQ(store.writes, QStringList({"voice=1", "left=4321", "guagen=10305"}));
        EXPECT_FALSE(store.unsynced);
        EXPECT_EQ(ended, 1);
        EXPECT_EQ(messages.shown, QStringList()) << "no window holds the end up";
    }
}

TEST_F(ProgramEdges, aSecondStartBringsTheBarForwardOnceItShows) {
    program.Form_Load(); // the splash shows, the bar is still hidden
    program.activate();
    EXPECT_EQ(windows.broughtToFront, QList<bool>()) << "a hidden bar cannot come forward yet";
    program.bar().setVisible(true);
    EXPECT_EQ(windows.broughtToFront, QList<bool>({true}));

    program.activate();
    EXPECT_EQ(windows.broughtToFront, QList<bool>({true, true})) << "a shown bar at once";
    program.bar().setVisible(false);
    program.bar().setVisible(true);
    EXPECT_EQ(windows.broughtToFront.size(), 2) << "each start brings it forward once";
}

} // namespace
