// The start-up sequence and the popup menu's entries over fake platform services, and the
// program at its edges: failed saves, ends other than Exit, a second start.
#include "app/application.h"
#include "support/desktop.h"
#include "ui/dialogs/about_window.h"
#include "ui/dialogs/settings_dialog.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

TEST_F(Desktop, readAloudTogglesOnlyTheCharacter) {
    for (int i = 0; i < 3; ++i)
        menu.readAloudAction()->trigger();
    EXPECT_EQ(characters.peedy.calls, QStringList({"Hide", "Show", "Hide"}));
}

// Exit saves the voice, the bar's place and, in sequence mode with the schedule kept, the
// position, whatever "Save setting while exit" says.
TEST_F(Desktop, exitSavesThenEnds) {
    menu.exitAction()->trigger();
    EXPECT_EQ(store.writes, QStringList({"voice=1", "left=5680"})) << "random order";
    settings.inSequence = 1, settings.saveSettings = 0;
    menu.exitAction()->trigger();
    EXPECT_EQ(store.writes.mid(2), QStringList({"voice=1", "left=5680", "guagen=10207"}));
    EXPECT_FALSE(store.unsynced) << "on the disk before the process ends";
    // Only both switches at exactly 1 keep it: a sequence stored as 2 plays in sequence all the same.
    settings.sequencePosition = 10208;
    for (auto [psave, rd] : {std::pair<int16_t, int16_t>{0, 1}, {2, 1}, {1, 2}}) {
        settings.savePositionOnExit = psave, settings.inSequence = rd;
        menu.exitAction()->trigger();
    }
    EXPECT_EQ(store.values.value("Vesk/French/guagen"), "10207") << "schedule not kept";
    EXPECT_EQ(ended, 5);
}

TEST_F(Desktop, aboutBlocksTheMenuUntilItClosesHoweverItClosesLeavingPlaybackAlone) {
    bar.timers().playCycleTimer().setEnabled(true);
    for (int way = 0; way < 3; ++way) {
        menu.aboutAction()->trigger();
        EXPECT_FALSE(bar.menuPicture()->isEnabled());
        AboutWindow* about = commands.aboutWindow();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        if (way == 0)
            about->onPictureClicked();
        else if (way == 1)
            QCoreApplication::sendEvent(about, &escape);
        else
            about->close(); // as the window manager would
        EXPECT_TRUE(bar.menuPicture()->isEnabled()) << way;
    }
    EXPECT_TRUE(bar.timers().playCycleTimer().isEnabled());
}

TEST_F(Desktop, firstRunPlacesTheHiddenBarShowsTheSplashAndAClickOnItShowsTheBar) {
    Application program{platform, settings, random};
    program.start();
    EXPECT_EQ(characters.peedy.calls, QStringList({"Show", "Language:French"}));
    CaptionBar& bar = program.bar();
    ASSERT_NE(program.splash(), nullptr);
    EXPECT_FALSE(bar.french().isEmpty()) << "the first sentence is chosen before any tick";

    EXPECT_FALSE(bar.isVisible());
    emit program.splash()->picture()->clicked();
    EXPECT_TRUE(bar.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(program.splash(), nullptr);
    bar.timers().onWelcomeTick();
    EXPECT_EQ(bar.timers().welcomeCountdown(), 49) << "the welcome goes on from fifty";
}

TEST_F(Desktop, aCharacterThatCannotLoadOrABarSavedOnAWiderScreenDoesNotStopStartUp) {
    struct Broken : FakeCharacterLoader {
        CharacterResult load(const QString&) override { return {"no pictures"}; }
    } broken;
    Platform withoutPeedy{store, windows, messages, broken, shell, autoStart};
    store.seed("xxx", "1");
    store.seed("left", "30000");
    Application program(withoutPeedy, settings, random);
    program.start();
    EXPECT_EQ(program.bar().character(), nullptr);
    EXPECT_TRUE(program.splash()->isVisible());
    EXPECT_EQ(program.bar().geometry().left(), 550) << "within this screen";
}

class ProgramEdges : public ApplicationOnFakes {
protected:
    void SetUp() override { settings.inSequence = 1, settings.startWithLogin = 1; }
};

TEST_F(ProgramEdges, failedSavesAreToldOnceWhenTheDialogClosesAndNeverHoldUpAnEnd) {
    store.failure = "Vesk.conf could not be saved: its folder is read-only";
    autoStart.failure = "dorvane.desktop could not be written";
    program.commands().openSettings();
    program.commands().settingsDialog()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.shown, QStringList({"Your settings were not saved.\n\n" + autoStart.failure +
                                           "\n\n" + store.failure}));
    program.endAsExit(); // a signal, the session's end, the display gone
    EXPECT_EQ(messages.shown.size(), 1) << "no window holds the end up";
}

TEST_F(ProgramEdges, exitWritesTheSentencesSeenSinceTheLastTimedSaveUnlessTheLockIsLost) {
    for (const auto& [key, value] :
         {std::pair{"xxx", "1"}, {"rd", "1"}, {"guage", "2"}, {"guagen", "10207"}})
        store.seed(key, value);
    program.start();
    for (int i = 0; i < 4; ++i) { // the first one saved at once, the rest within the 30 s
        if (i > 0)
            program.bar().selectNextSentence();
        emit program.bar().timers().lineAtRest(BarLine::French);
    }
    EXPECT_EQ(store.values.value("Vesk/Learning/seen"), "10207");
    const qsizetype writes = store.writes.size();
    program.commands().setSaveCheck([] { return false; }); // another copy took the lock over
    program.endAsExit();
    EXPECT_EQ(store.writes.size(), writes) << "nothing at all is saved";
    program.commands().setSaveCheck([] { return true; });
    program.endAsExit();
    EXPECT_EQ(store.values.value("Vesk/Learning/seen"), "10207-10210");
}

TEST_F(ProgramEdges, aSecondStartBringsTheBarForwardOnceItShows) {
    program.start(); // the splash shows, the bar is still hidden
    program.activate();
    EXPECT_EQ(windows.broughtToFront, QList<bool>()) << "a hidden bar cannot come forward yet";
    program.bar().setVisible(true);
    program.activate();
    program.bar().setVisible(false);
    program.bar().setVisible(true);
    EXPECT_EQ(windows.broughtToFront, QList<bool>({true, true})) << "once per start, when shown";
}

} // namespace
