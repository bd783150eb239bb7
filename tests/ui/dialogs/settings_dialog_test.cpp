// The settings dialog: filled from the settings, acting on the bar, applied and stored on close.
#include "support/desktop.h"
#include "ui/dialogs/settings_dialog.h"
#include "ui/widgets/value_box.h"
#include "ui/widgets/value_scroll_bar.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>

namespace {

class SettingsDialogOnBar : public Desktop {
protected:
    void SetUp() override {
        Desktop::SetUp();
        pastTheWelcome();
    }
    ::SettingsDialog* open() {
        return new ::SettingsDialog(settings, playback.gate(), cycle, store, autoStart);
    }
    static void press(QWidget* widget, int key, const QString& text = {}) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(widget, &event);
    }
    static void type(QLineEdit* box, const QString& text) { // over what the box held
        box->selectAll();
        for (const QChar c : text)
            press(box, c.toUpper().unicode(), c);
    }
};

// Any ce but 1 is English first, any rd but 0 is Sequence.
TEST_F(SettingsDialogOnBar, opensShowingTheSettings) {
    settings.frenchSeconds = 9, settings.topic = 17, settings.frenchFirst = 5;
    settings.inSequence = 3;
    QPointer<::SettingsDialog> dialog = open();
    EXPECT_TRUE(dialog->englishFirstButton()->isChecked());
    EXPECT_TRUE(dialog->sequenceButton()->isChecked());
    EXPECT_TRUE(dialog->topicButtons()[17]->isChecked());
    EXPECT_EQ(dialog->valueBoxes()[1]->text(), "9");
    delete dialog;
}

TEST_F(SettingsDialogOnBar, theScheduleBoxIsEnabledOnlyInSequence) {
    QPointer<::SettingsDialog> dialog = open();
    dialog->randomButton()->click();
    EXPECT_FALSE(dialog->saveScheduleBox()->isEnabled()) << "no schedule to keep at random";
    dialog->sequenceButton()->click();
    EXPECT_TRUE(dialog->saveScheduleBox()->isEnabled());
    delete dialog;
}

TEST_F(SettingsDialogOnBar, closingAppliesTheChoicesTakingTheValuesFromTheScrollBars) {
    settings.frenchSeconds = 9, settings.frenchFirst = 5, settings.inSequence = 3;
    QPointer<::SettingsDialog> dialog = open();
    dialog->topicButtons()[9]->click();
    dialog->playsScroll()->setNumber(6);
    dialog->close();
    EXPECT_EQ(QList<int>({settings.frenchFirst, settings.inSequence, settings.topic,
                          settings.playsPerSentence, settings.frenchSeconds}),
              QList<int>({0, 1, 9, 6, 9}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull()) << "each opening builds a fresh dialog";
}

TEST_F(SettingsDialogOnBar, playAndTheMenuWaitWhileItIsOpen) {
    QPointer<::SettingsDialog> dialog = open();
    EXPECT_TRUE(playback.gate().isOpen());
    EXPECT_FALSE(bar.menuPicture()->isEnabled()) << "the menu waits";
    EXPECT_FALSE(cycle.isRunning()) << "play waits";
    dialog->close();
    EXPECT_FALSE(playback.gate().isOpen());
    EXPECT_TRUE(bar.menuPicture()->isEnabled());
    EXPECT_TRUE(cycle.isRunning());

    bar.chrome().armForStartUp();
    cycle.armForStartUp();
    for (int i = 0; i < 40; ++i) // into the welcome
        bar.chrome().onWelcomeTick();
    open()->close();
    EXPECT_FALSE(cycle.isRunning()) << "during the welcome the countdown starts play";
}

// Typing, OK and Esc without a window manager are checked end to end; here what the eye misses.
TEST_F(SettingsDialogOnBar, typedNumbersMoveTheBarAtOnceAndOutOfRangeOnesSayTheRange) {
    QPointer<::SettingsDialog> dialog = open();
    type(dialog->valueBoxes()[2], "40");
    EXPECT_EQ(dialog->englishSecondsScroll()->number(), 4) << "4 counts at once, 40 once left";
    press(dialog->valueBoxes()[2], Qt::Key_Return);
    EXPECT_EQ(QToolTip::text(), "3 to 15 seconds");
    type(dialog->valueBoxes()[0], "-7");
    press(dialog->valueBoxes()[0], Qt::Key_Escape); // closing leaves the box
    EXPECT_EQ(QList<int>({settings.playsPerSentence, settings.englishSeconds}),
              QList<int>({1, 15}));
}

TEST_F(SettingsDialogOnBar, closingWritesThirteenKeysAndTheLoginEntryOnlyWithSaveSettings) {
    settings.saveSettings = 2; // any value but 0 saves
    qsizetype lastClose = 0;
    for (int16_t mark : {1, 0, 2}) {
        settings.startWithLogin = mark;
        lastClose = store.writes.size();
        open()->close();
    }
    ASSERT_EQ(autoStart.calls.size(), 2) << "mark 2 leaves the entry alone";
    EXPECT_TRUE(autoStart.calls[0].startsWith("add /"));
    EXPECT_EQ(autoStart.calls[1], "remove");
    EXPECT_EQ(store.writes.mid(lastClose),
              QStringList({"ce=1", "n=2", "ctime=3", "etime=5", "rd=0", "psave=1", "ssave=2",
                           "visi=0", "guage=1", "red=0", "mark=2", "xxx=1", "sspeed=150"}));
    EXPECT_FALSE(store.unsynced);

    const qsizetype saved = store.writes.size();
    settings.startWithLogin = 1;
    QPointer<::SettingsDialog> dialog = open();
    dialog->saveSettingsBox()->click(); // "Save setting while exit" off
    dialog->close();
    EXPECT_EQ(store.writes.size(), saved);
    EXPECT_EQ(autoStart.calls.size(), 2);
}

TEST_F(SettingsDialogOnBar, scheduleRestartsOnlyWhenEveryTopicIsNewlyChosenWithTheScheduleKept) {
    const struct {
        int16_t before, rd, psave, after, guagen;
    } cases[] = {
        {1, 1, 1, 0, 10101}, {1, 0, 1, 0, 10101}, // the tick counts even while the box is disabled
        {1, 1, 0, 0, 10207}, {1, 1, 1, 5, 10207}, {0, 1, 1, 0, 10207},
    };
    for (const auto& c : cases) {
        settings.topic = c.before, settings.inSequence = c.rd, settings.sequencePosition = 10207;
        settings.savePositionOnExit = c.psave;
        QPointer<::SettingsDialog> dialog = open();
        dialog->topicButtons()[c.after]->click();
        dialog->close();
        EXPECT_EQ(settings.sequencePosition, c.guagen)
            << c.before << " -> " << c.after << " psave " << c.psave;
    }
}

TEST(SettingsDialogLayout, valuesOverCaptionsTabInTheControlsOrderNoCaptionCutOff) {
    ::SettingsDialog dialog;
    EXPECT_GT(dialog.children().indexOf(dialog.valueBoxes()[2]),
              dialog.children().indexOf(dialog.englishSecondsLabel()));
    EXPECT_EQ(dialog.topicButtons()[0]->nextInFocusChain(), dialog.valueBoxes()[0]);
    EXPECT_EQ(dialog.topicButtons()[21]->nextInFocusChain(), dialog.topicButtons()[1]);
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        if ((!qobject_cast<QAbstractButton*>(control) && !qobject_cast<QLabel*>(control)) ||
            control == static_cast<QWidget*>(dialog.okButton())) // a push button's face fills it, caption or not
            continue;
        // Given room, a caption cut off with the fonts of this machine shows ink past the old
        // right edge.
        const int width = control->width();
        control->resize(width + 40, control->height());
        const QImage image = control->grab().toImage();
        for (int x = width; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                ASSERT_EQ(image.pixel(x, y), image.pixel(image.width() - 1, 0))
                    << qPrintable(control->objectName());
    }
}

} // namespace
