// The settings dialog: filled from the settings, acting on the bar, applied and stored on close.
#include "app/module1.h"
#include "bar/form1.h"
#include "fakes/fake_agent.h"
#include "fakes/fake_auto_start.h"
#include "fakes/fake_settings_store.h"
#include "fakes/fake_window_system.h"
#include "forms/picture_box.h"
#include "forms/value_scroll_bar.h"
#include "settings_dialog/form3.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

class SettingsDialog : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = {1, 2, 3, 5, 0, 1, 1, 0, 1, 1, 10207, 0, 0, 150, "1"};
        gintStartCount = 1; // the welcome is over
        bar.timers.Timer5.setEnabled(true);
    }

    Form3* open() { return new Form3(bar, store, autoStart); }

    FakeWindowSystem windows;
    FakeAgentControl agent;
    Form1 bar{agent, windows};
    FakeSettingsStore store;
    FakeAutoStart autoStart;
};

TEST_F(SettingsDialog, openingFillsItFromTheSettingsAndPausesTheBar) {
    Settings.n = 4;
    Settings.etime = 9;
    Settings.ctime = 12;
    Settings.guage = 17;
    Settings.visi = 1;
    QPointer<Form3> dialog = open();
    EXPECT_FALSE(bar.Image1->isEnabled());
    EXPECT_FALSE(bar.timers.Timer5.Enabled());
    EXPECT_TRUE(dialog->Check1->isChecked());
    EXPECT_TRUE(dialog->Check3->isChecked());
    EXPECT_TRUE(dialog->Check4->isChecked());
    EXPECT_FALSE(dialog->Check5->isChecked());
    EXPECT_EQ(dialog->Text1[0]->text(), "4");
    EXPECT_EQ(dialog->VScroll2->Value(), 9);
    EXPECT_EQ(dialog->Text1[2]->text(), "12");
    EXPECT_TRUE(dialog->Option1[17]->isChecked());
    EXPECT_TRUE(dialog->Option2[0]->isChecked());
    EXPECT_FALSE(dialog->Check3->isEnabled()) << "the schedule only matters in sequence mode";
    EXPECT_TRUE(store.writes.isEmpty());
    dialog->close();
}

TEST_F(SettingsDialog, unusualStoredValuesOpenAsTheNearestChoiceAndCloseAsIt) {
    Settings.ce = 5;
    Settings.rd = 3;
    QPointer<Form3> dialog = open();
    EXPECT_TRUE(dialog->Option3[1]->isChecked()) << "English first";
    EXPECT_TRUE(dialog->Option2[1]->isChecked()) << "Sequence";
    EXPECT_TRUE(dialog->Check3->isEnabled());
    dialog->close();
    EXPECT_EQ(Settings.ce, 0);
    EXPECT_EQ(Settings.rd, 1);
}

TEST_F(SettingsDialog, checkBoxesActAtOnceButOtherChoicesOnlyOnClose) {
    QPointer<Form3> dialog = open();
    dialog->Check4->click();
    EXPECT_EQ(Settings.visi, 1) << "auto-hide acts while the dialog is open";
    dialog->Check5->click();
    EXPECT_EQ(Settings.mark, 1);
    dialog->Check1->click();
    EXPECT_EQ(Settings.ssave, 0);
    dialog->Check1->click();
    dialog->Option1[9]->click();
    dialog->Option2[1]->click();
    EXPECT_TRUE(dialog->Check3->isEnabled());
    dialog->VScroll1->setValue(6);
    EXPECT_EQ(dialog->Text1[0]->text(), "6");
    EXPECT_EQ(Settings.guage, 1);
    EXPECT_EQ(Settings.rd, 0);
    EXPECT_EQ(Settings.n, 2);

    dialog->Text1[1]->setText("14"); // typed text is never read
    dialog->close();
    EXPECT_EQ(Settings.guage, 9);
    EXPECT_EQ(Settings.rd, 1);
    EXPECT_EQ(Settings.n, 6);
    EXPECT_EQ(Settings.etime, 5);
    EXPECT_TRUE(bar.Image1->isEnabled());
    EXPECT_TRUE(bar.timers.Timer5.Enabled());
}

TEST_F(SettingsDialog, closingWithSaveSettingsWritesThirteenKeysInOrderAndTheLoginEntry) {
    Settings.mark = 1;
    QPointer<Form3> dialog = open();
    dialog->close();
    EXPECT_EQ(store.writes,
              QStringList({"ce=1", "n=2", "ctime=3", "etime=5", "rd=0", "psave=1", "ssave=1",
                           "visi=0", "guage=1", "red=0", "mark=1", "xxx=1", "sspeed=150"}));
    ASSERT_EQ(autoStart.calls.size(), 1);
    EXPECT_TRUE(autoStart.calls.front().startsWith("add /")) << qPrintable(autoStart.calls.front());
    EXPECT_FALSE(store.unsynced);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull()) << "each opening builds a fresh dialog";
}

TEST_F(SettingsDialog, withoutSaveSettingsNothingIsWrittenAndNoEntryTouched) {
    QPointer<Form3> dialog = open();
    dialog->Check5->click(); // start with login, but settings not saved
    dialog->Check1->click();
    dialog->close();
    EXPECT_TRUE(store.writes.isEmpty());
    EXPECT_TRUE(autoStart.calls.isEmpty());
    EXPECT_EQ(Settings.mark, 1) << "the choice holds until the program ends";

    dialog = open();
    dialog->Check1->click();
    dialog->close();
    EXPECT_EQ(autoStart.calls.size(), 1) << "written at a later closing with both ticked";
}

TEST_F(SettingsDialog, loginEntryFollowsMarkRemovedForZeroUntouchedForTwo) {
    Settings.mark = 0;
    open()->close();
    EXPECT_EQ(autoStart.calls, QStringList({"remove"}));
    Settings.mark = 2;
    open()->close();
    EXPECT_EQ(autoStart.calls, QStringList({"remove"}));
    EXPECT_EQ(Settings.mark, 2) << "no click, no change";
}

TEST_F(SettingsDialog, choosingEveryTopicAfterOneWithTheScheduleKeptRestartsTheWalk) {
    QPointer<Form3> dialog = open();
    dialog->Option1[0]->click();
    dialog->close();
    EXPECT_EQ(Settings.guagen, 10101);
    EXPECT_EQ(Settings.guage, 0);
}

TEST_F(SettingsDialog, scheduleIsKeptInTheOtherCases) {
    struct Case {
        const char* what;
        int16_t topicBefore;
        int topicAfter;
        bool keepSchedule;
    };
    for (const Case& c :
         {Case{"schedule not kept", 1, 0, false}, Case{"one topic to another", 1, 5, true},
          Case{"every topic before and after", 0, 0, true}}) {
        Settings.guage = c.topicBefore;
        Settings.psave = c.keepSchedule ? 1 : 0;
        Settings.guagen = 10207;
        QPointer<Form3> dialog = open();
        dialog->Option1[c.topicAfter]->click();
        dialog->close();
        EXPECT_EQ(Settings.guagen, 10207) << c.what;
    }
}

TEST_F(SettingsDialog, resetReadsTheScheduleTickEvenWhileTheBoxIsDisabled) {
    Settings.rd = 0;
    Settings.psave = 1;
    QPointer<Form3> dialog = open();
    ASSERT_FALSE(dialog->Check3->isEnabled());
    dialog->Option1[0]->click();
    dialog->close();
    EXPECT_EQ(Settings.guagen, 10101);
}

TEST_F(SettingsDialog, closingDuringTheWelcomeLeavesPlaybackToTheCountdown) {
    gintStartCount = 30;
    bar.timers.Timer5.setEnabled(false);
    open()->close();
    EXPECT_FALSE(bar.timers.Timer5.Enabled());
    EXPECT_TRUE(bar.Image1->isEnabled());
}

} // namespace
