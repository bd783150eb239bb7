// The popup menu's entries.
#include "about/form7.h"
#include "app/module1.h"
#include "bar/form1.h"
#include "commands/menu_commands.h"
#include "fakes/fake_agent.h"
#include "fakes/fake_auto_start.h"
#include "fakes/fake_message_box.h"
#include "fakes/fake_settings_store.h"
#include "fakes/fake_window_system.h"
#include "forms/form2.h"
#include "forms/picture_box.h"
#include "platform/platform.h"
#include "platform/shell.h"
#include "settings_dialog/form3.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

struct RecordingShell : Shell {
    void open(const QString& address) override { opened << address; }
    QStringList opened;
};

class Menu : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = {1, 2, 3, 5, 0, 1, 1, 0, 1, 1, 10207, 0, 0, 150, "1"};
        agent.Load("Peedy", {});
        bar.mobjAgent = agent("Peedy");
        commands.endProcess = [this] { ++ended; };
        bar.setLeft(5680);
    }

    FakeWindowSystem windows;
    FakeAgentControl agent;
    FakeSettingsStore store;
    FakeMessageBox messageBox;
    RecordingShell shell;
    FakeAutoStart autoStart;
    Platform platform{store, windows, messageBox, agent, shell, autoStart};
    Form1 bar{agent, windows};
    Form2 form2;
    MenuCommands commands{bar, form2, platform};
    int ended = 0;
};

TEST_F(Menu, readAloudTogglesTheCharacterAndItsCaption) {
    EXPECT_EQ(form2.mnu_hlp->text(), "&Non Read aloud");
    form2.mnu_hlp->trigger();
    EXPECT_EQ(form2.mnu_hlp->text(), "R&ead aloud");
    form2.mnu_hlp->trigger();
    EXPECT_EQ(form2.mnu_hlp->text(), "Non r&ead aloud");
    form2.mnu_hlp->trigger();
    EXPECT_EQ(form2.mnu_hlp->text(), "R&ead aloud");
    EXPECT_EQ(agent.peedy.calls, QStringList({"Hide", "Show", "Hide"}));
    EXPECT_EQ(Settings.voice, 1) << "the speech setting is not the toggle";
}

TEST_F(Menu, websiteAndEmailGoToTheShell) {
    form2.mnu_page->trigger();
    form2.mnu_email->trigger();
    EXPECT_EQ(shell.opened,
              QStringList({"http://dorvane.example.org", "mailto:support@dorvane.example.org"}));
}

TEST_F(Menu, exitSavesVoiceLeftAndInSequenceModeThePositionThenEnds) {
    form2.mnu_exit->trigger();
    EXPECT_EQ(store.writes, QStringList({"voice=1", "left=5680"})) << "random order";
    EXPECT_EQ(ended, 1);

    store.writes.clear();
    Settings.rd = 1;
    Settings.ssave = 0; // Exit saves whatever "Save setting while exit" says
    form2.mnu_exit->trigger();
    EXPECT_EQ(store.writes, QStringList({"voice=1", "left=5680", "guagen=10207"}));
    EXPECT_FALSE(store.unsynced) << "on the disk before the process ends";
}

TEST_F(Menu, settingsOpensAFreshDialogPlacedFromTheScreenCentre) {
    form2.mnu_sysset->trigger();
    Form3* dialog = commands.settingsDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->pos(), QPoint(245, 184)) << "(15360 / 2 - 4000, 11520 / 2 - 3000) twips";
    EXPECT_FALSE(bar.Image1->isEnabled());
    dialog->close();
    EXPECT_TRUE(bar.Image1->isEnabled());
}

TEST_F(Menu, aboutWindowBlocksTheMenuUntilItClosesHoweverItCloses) {
    QList<QMenu*> opened;
    bar.setMenu(&form2);
    bar.popupMenu = [&](QMenu& menu, QPoint) { opened << &menu; };

    form2.mnu_veri->trigger();
    ASSERT_NE(commands.aboutWindow(), nullptr);
    bar.Image1_MouseMove();
    EXPECT_TRUE(opened.isEmpty());
    commands.aboutWindow()->Image1_Click();
    bar.Image1_MouseMove();
    EXPECT_EQ(opened.size(), 1) << "a click on the picture unblocks";

    form2.mnu_veri->trigger();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(commands.aboutWindow(), &escape);
    EXPECT_TRUE(bar.Image1->isEnabled()) << "the keyboard unblocks";

    form2.mnu_veri->trigger();
    EXPECT_FALSE(bar.Image1->isEnabled());
    commands.aboutWindow()->close(); // as the window manager would
    EXPECT_TRUE(bar.Image1->isEnabled());
}

TEST_F(Menu, aboutWindowDoesNotTouchPlayback) {
    gintStartCount = 1;
    bar.timers.Timer5.setEnabled(true);
    form2.mnu_veri->trigger();
    commands.aboutWindow()->Image1_Click();
    EXPECT_TRUE(bar.timers.Timer5.Enabled());
}

} // namespace
