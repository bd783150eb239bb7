// The settings dialog: filled from the settings, acting on the bar, applied and stored on close.
#include "forms/value_scroll_bar.h"
#include "settings_dialog/form3.h"
#include "support/desktop.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>

namespace {

class SettingsDialog : public Desktop {
protected:
    void SetUp() override {
        Desktop::SetUp();
        gintStartCount = 1; // the welcome is over
        bar.timers.Timer5.setEnabled(true);
    }
    Form3* open() { return new Form3(bar, store, autoStart); }
};

TEST_F(SettingsDialog, opensFromTheSettingsActsOnCloseFromTheScrollBarsAndPausesPlayMeanwhile) {
    Settings.etime = 9, Settings.guage = 17, Settings.ce = 5, Settings.rd = 3;
    QPointer<Form3> dialog = open();
    EXPECT_FALSE(bar.Image1->isEnabled() || bar.timers.Timer5.Enabled()) << "menu and play wait";
    // Any ce but 1 is English first, any rd but 0 is Sequence.
    EXPECT_TRUE(dialog->Option3[1]->isChecked() && dialog->Option2[1]->isChecked() &&
                dialog->Option1[17]->isChecked() && dialog->Text1[1]->text() == "9");
    dialog->Option2[0]->click();
    EXPECT_FALSE(dialog->Check3->isEnabled()) << "no schedule to keep at random";
    dialog->Option2[1]->click();
    EXPECT_TRUE(dialog->Check3->isEnabled());
    dialog->Option1[9]->click();
    dialog->VScroll1->setValue(6);
    dialog->Text1[1]->setText("14");
    dialog->close();
    EXPECT_EQ(QList<int>({Settings.ce, Settings.rd, Settings.guage, Settings.n, Settings.etime}),
              QList<int>({0, 1, 9, 6, 9}))
        << "typed text is never read";
    EXPECT_TRUE(bar.Image1->isEnabled() && bar.timers.Timer5.Enabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull()) << "each opening builds a fresh dialog";

    gintStartCount = 30;
    bar.timers.Timer5.setEnabled(false);
    open()->close();
    EXPECT_FALSE(bar.timers.Timer5.Enabled()) << "during the welcome the countdown starts play";
}

TEST_F(SettingsDialog, closingWritesThirteenKeysAndTheLoginEntryOnlyWithSaveSettings) {
    for (int16_t mark : {1, 0, 2}) {
        Settings.mark = mark;
        open()->close();
    }
    ASSERT_EQ(autoStart.calls.size(), 2) << "mark 2 leaves the entry alone";
    EXPECT_TRUE(autoStart.calls[0].startsWith("add /") && autoStart.calls[1] == "remove");
    EXPECT_EQ(store.writes.mid(26),
              QStringList({"ce=1", "n=2", "ctime=3", "etime=5", "rd=0", "psave=1", "ssave=1",
                           "visi=0", "guage=1", "red=0", "mark=2", "xxx=1", "sspeed=150"}));
    EXPECT_FALSE(store.unsynced);

    store.writes.clear(), Settings.mark = 1;
    QPointer<Form3> dialog = open();
    dialog->Check1->click(); // "Save setting while exit" off
    dialog->close();
    EXPECT_TRUE(store.writes.isEmpty() && autoStart.calls.size() == 2);
}

TEST_F(SettingsDialog, scheduleRestartsOnlyWhenEveryTopicIsNewlyChosenWithTheScheduleKept) {
    const struct {
        int16_t before, rd, psave;
        int after;
        int16_t guagen;
    } cases[] = {
        {1, 1, 1, 0, 10101}, {1, 0, 1, 0, 10101}, // the tick counts even while the box is disabled
        {1, 1, 0, 0, 10207}, {1, 1, 1, 5, 10207}, {0, 1, 1, 0, 10207},
    };
    for (const auto& c : cases) {
        Settings.guage = c.before, Settings.rd = c.rd, Settings.psave = c.psave;
        Settings.guagen = 10207;
        QPointer<Form3> dialog = open();
        dialog->Option1[c.after]->click();
        dialog->close();
        EXPECT_EQ(Settings.guagen, c.guagen)
            << c.before << " -> " << c.after << " psave " << c.psave;
    }
}

TEST(SettingsDialogLayout, valuesLieOverTheirCaptionsAndTabFollowsTheControlsIndices) {
    Form3 dialog;
    EXPECT_GT(dialog.children().indexOf(dialog.Text1[2]), dialog.children().indexOf(dialog.Label3));
    EXPECT_EQ(dialog.Option1[0]->nextInFocusChain(), dialog.Text1[0]);
    EXPECT_EQ(dialog.Option1[21]->nextInFocusChain(), dialog.Option1[1]);
}

} // namespace
