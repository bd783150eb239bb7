// The popup menu's entries.
#include "about/form7.h"
#include "app/module1.h"
#include "bar/form1.h"
#include "commands/menu_commands.h"
#include "fakes/fake_agent.h"
#include "fakes/fake_auto_start.h"
#include "fakes/fake_message_dialog.h"
#include "fakes/fake_settings_store.h"
#include "fakes/fake_window_system.h"
#include "forms/form2.h"
#include "forms/picture_box.h"
#include "platform/platform.h"
#include "platform/shell.h"
#include "settings_dialog/form3.h"

#include <QCoreApplication>
#include <QKeyEvent>
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
    FakeMessageDialog messages;
    RecordingShell shell;
    FakeAutoStart autoStart;
    Platform platform{store, windows, messages, agent, shell, autoStart};
    Form1 bar{agent, windows};
    Form2 form2;
    MenuCommands commands{bar, form2, platform};
    int ended = 0;
};

TEST_F(Menu, readAloudTogglesTheCharacterAndItsCaptionButNotTheVoiceSetting) {
    QStringList captions;
    for (int i = 0; i < 3; ++i) {
        form2.mnu_hlp->trigger();
        captions << form2.mnu_hlp->text();
    }
    EXPECT_EQ(captions, QStringList({"R&ead aloud", "Non r&ead aloud", "R&ead aloud"}));
    EXPECT_EQ(agent.peedy.calls, QStringList({"Hide", "Show", "Hide"}));
    EXPECT_EQ(Settings.voice, 1);
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
    Settings.rd = 1, Settings.ssave = 0; // whatever "Save setting while exit" says
    form2.mnu_exit->trigger();
    EXPECT_EQ(store.writes, QStringList({"voice=1", "left=5680", "guagen=10207"}));
    EXPECT_FALSE(store.unsynced) << "on the disk before the process ends";
    store.writes.clear();
    Settings.psave = 0;
    form2.mnu_exit->trigger();
    EXPECT_EQ(store.writes, QStringList({"voice=1", "left=5680"})) << "schedule not kept";
}

TEST_F(Menu, settingsOpensADialogPlacedFromTheScreenCentre) {
    form2.mnu_sysset->trigger();
    ASSERT_NE(commands.settingsDialog(), nullptr);
    EXPECT_EQ(commands.settingsDialog()->pos(), QPoint(245, 184))
        << "(15360 / 2 - 4000, 11520 / 2 - 3000) twips";
    EXPECT_FALSE(bar.Image1->isEnabled());
}

TEST_F(Menu, aboutBlocksTheMenuUntilItClosesHoweverItClosesAndLeavesPlaybackAlone) {
    gintStartCount = 1;
    bar.timers.Timer5.setEnabled(true);
    const std::function<void(Form7*)> closes[] = {
        [](Form7* about) { about->Image1_Click(); },
        [](Form7* about) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(about, &escape);
        },
        [](Form7* about) { about->close(); }, // as the window manager would
    };
    for (const auto& close : closes) {
        form2.mnu_veri->trigger();
        EXPECT_FALSE(bar.Image1->isEnabled());
        close(commands.aboutWindow());
        EXPECT_TRUE(bar.Image1->isEnabled());
    }
    EXPECT_TRUE(bar.timers.Timer5.Enabled());
}

} // namespace
