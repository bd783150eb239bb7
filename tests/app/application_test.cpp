// The whole program over fake platform services: the start-up sequence and the program at its
// edges (failed saves, ends other than Exit, a second start), the learning modes' menu entries
// and the progress window, and every way in to the learner's commands taking every row of
// their table.
#include "core/learning/learner_commands.h"
#include "core/lessons/dialogue_table.h"
#include "core/ports/global_shortcuts.h"
#include "platform/single_instance.h"
#include "support/desktop.h"
#include "ui/dialogs/listening_calendar.h"
#include "ui/learn/learn_actions.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolTip>
#include <future>
#include <map>

namespace {

using StartUp = Desktop; // the fixture's Settings, a fresh program in each test

TEST_F(StartUp, firstRunShowsTheSplashOverTheHiddenBarUntilItIsClicked) {
    Application program{platform, settings, random, playback};
    program.start();
    EXPECT_EQ(characters.peedy.calls, QStringList({"Show", "Language:French"}));
    CaptionBar& bar = program.bar();
    ASSERT_NE(program.splash(), nullptr);
    EXPECT_FALSE(playback.french().isEmpty()) << "the first sentence is chosen before any tick";

    EXPECT_FALSE(bar.isVisible());
    emit program.splash()->picture()->clicked();
    EXPECT_TRUE(bar.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(program.splash(), nullptr);
    bar.chrome().onWelcomeTick();
    EXPECT_EQ(bar.chrome().welcomeCountdown(), 49) << "the welcome goes on from fifty";
}

TEST_F(StartUp, aCharacterThatCannotLoadOrABarSavedOnAWiderScreenDoesNotStopStartUp) {
    struct Broken : FakeCharacterLoader {
        CharacterResult load(const QString&) override { return {"no pictures"}; }
    } broken;
    Platform withoutPeedy{store, windows, messages, broken, shell, autoStart, decks, records};
    store.seed("xxx", "1");
    store.seed("left", "30000");
    Application program(withoutPeedy, settings, random, playback);
    program.start();
    EXPECT_EQ(program.cycle().character(), nullptr);
    EXPECT_TRUE(program.splash()->isVisible());
    EXPECT_EQ(program.bar().geometry().left(), 550) << "within this screen";
}

class ProgramEdges : public ApplicationOnFakes {
protected:
    void SetUp() override { settings.inSequence = 1, settings.startWithLogin = 1; }
};

TEST_F(ProgramEdges, failedSavesAreToldOnceWhenTheDialogCloses) {
    store.failure = "Vesk.conf could not be saved: its folder is read-only";
    autoStart.failure = "dorvane.desktop could not be written";
    program.commands().openSettings();
    program.commands().settingsDialog()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.shown, QStringList({"Your settings were not saved.\n\n" + autoStart.failure +
                                           "\n\n" + store.failure}));
}

TEST_F(ProgramEdges, aFailedSaveNeverHoldsUpAnEnd) {
    store.failure = "Vesk.conf could not be saved: its folder is read-only";
    program.endAsExit(); // a signal, the session's end, the display gone
    EXPECT_EQ(messages.shown, QStringList()) << "no window holds the end up";
}

TEST_F(ProgramEdges, exitWritesTheSentencesSeenSinceTheLastTimedSaveUnlessTheLockIsLost) {
    for (const auto& [key, value] :
         {std::pair{"xxx", "1"}, {"rd", "1"}, {"guage", "2"}, {"guagen", "10207"}})
        store.seed(key, value);
    QTemporaryDir dir;
    SingleInstance instance(dir.path() + "/Vesk.conf");
    ASSERT_EQ(instance.acquire(), SingleInstance::Start::Run);
    Application guarded(platform, settings, random, playback, &instance);
    guarded.start();
    for (int i = 0; i < 4; ++i) { // the first one saved at once, the rest within the 30 s
        if (i > 0)
            guarded.cycle().selectNextSentence();
        emit guarded.cycle().lineAtRest(BarLine::French);
    }
    EXPECT_EQ(store.values.value("Vesk/Learning/seen"), "10207");
    const qsizetype writes = store.writes.size();
    const QString lock = instance.lockPath();
    QFile::rename(lock, lock + ".away"); // another copy took the lock over
    guarded.endAsExit();
    EXPECT_EQ(store.writes.size(), writes) << "nothing at all is saved";
    QFile::rename(lock + ".away", lock);
    guarded.endAsExit();
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

// Sequence through topic 1 from its start; each test starts the program.
class Learning : public ApplicationOnFakes {
protected:
    void SetUp() override {
        settings = SettingsRecord{};
        for (auto [key, value] : {std::pair{"xxx", "1"}, {"rd", "1"}, {"guage", "1"}})
            store.seed(key, value);
    }
    void pastTheWelcome() { // playback has started
        while (!chrome.welcomeOver())
            chrome.onWelcomeTick();
    }
    void slideIn() {
        while (cycle.frenchSlideTimer().isEnabled())
            cycle.onFrenchSlideTick();
    }
    BarChrome& chrome = program.bar().chrome();
    PlayCycle& cycle = program.cycle();
};

TEST_F(Learning, markingKnownActsOnlyOnASentenceOnTheBar) {
    store.values["Vesk/Learning/known"] = "10101";
    program.start(); // the sequence starts at 11000, in topic 1: 10101
    QAction* known = program.learnActions().action(LearnerCommand::Known);

    known->trigger(); // the welcome is still showing
    EXPECT_EQ(store.values["Vesk/Learning/known"], "10101");
    pastTheWelcome();
    playback.gate().open(); // the settings dialog is open
    cycle.holdForSettings();
    known->trigger();
    known->trigger();
    EXPECT_EQ(store.values["Vesk/Learning/known"], "10101");
    playback.gate().close();
    cycle.releaseAfterSettings();

    known->trigger();
    EXPECT_EQ(QToolTip::text(), "Marked as known") << "said under the bar";
    EXPECT_EQ(playback.french(), DialogueTable::builtIn().lookup(10103)) << "moved on";
    program.learner().next();
    program.learner().previous(); // back on 10103: that is the sentence a mark means
    known->trigger();
    EXPECT_EQ(store.values["Vesk/Learning/known"], "10101-10103");
}

TEST_F(Learning, forgettingTheSentencesKnownInATopicAsksFirst) {
    store.values["Vesk/Learning/known"] = "10101-10103";
    program.start();
    QAction* forget = program.learnActions().action("forgetTopic");
    for (const bool yes : {false, true}) {
        messages.answer = yes;
        forget->trigger();
        EXPECT_EQ(messages.shown.last(), "Forget the 3 sentences you know in Greetings?");
        EXPECT_EQ(store.values["Vesk/Learning/known"], yes ? "" : "10101-10103") << yes;
    }
    EXPECT_FALSE(forget->isEnabled()) << "nothing left to forget";
}

TEST_F(Learning, aSentenceIsSeenOnlyOnceItRests) {
    program.start();
    pastTheWelcome();
    for (int i = 0; i < 3; ++i) // quick jumps: 10102 and 10103 are gone before they are read
        program.learner().next();
    slideIn();
    EXPECT_EQ(program.learning().seen().toText(), "10104");
}

TEST_F(Learning, progressFollowsTheSentencesSeenWithoutTakingTheFocus) {
    program.start();
    pastTheWelcome();
    program.learner().next();
    slideIn();
    QWidget work;
    work.show();
    program.learnActions().action(LearnerCommand::Progress)->trigger();
    ProgressWindow& window = *program.progressWindow();
    EXPECT_EQ(window.figures(1)->text(), "1 seen, 0 known");
    work.activateWindow();
    QApplication::processEvents();
    QWidget* const active = QApplication::activeWindow();
    program.learner().next();
    slideIn();
    EXPECT_EQ(window.bar(1)->seen(), 2);
    EXPECT_EQ(QApplication::activeWindow(), active);
}

TEST_F(Learning, progressComesBackUnminimisedUntilEscClosesIt) {
    program.start();
    program.runCommand("progress");
    ProgressWindow& window = *program.progressWindow();
    window.setWindowState(Qt::WindowMinimized);
    program.learnActions().action(LearnerCommand::Progress)->trigger();
    EXPECT_FALSE(window.windowState() & Qt::WindowMinimized);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&window, &escape);
    EXPECT_FALSE(window.isVisible()) << "Esc closes it";
}

TEST_F(Learning, progressShowsTheMinutesOfEarlierRunsAndWhatTheScheduleHolds) {
    const QDate yesterday = QDate::currentDate().addDays(-1);
    records.files["played.csv"] = yesterday.toString(Qt::ISODate).toLatin1() + ",12.0\n";
    records.files["review.json"] = R"({"cards": [{"sentence": 10205, "state": "review",
        "step": 0, "stability": 3, "difficulty": 6, "last_review": 1000, "due": 61000,
        "lapses": 0}]})";
    program.start();
    program.runCommand("progress");
    const ListeningCalendar& calendar = *program.progressWindow()->calendar();
    EXPECT_TRUE(calendar.toolTipAt(calendar.dayRect(yesterday).center()).startsWith("12 minutes"));
    EXPECT_EQ(program.progressWindow()->inReview(2)->text(), "1");
    EXPECT_EQ(program.progressWindow()->dueToday(2)->text(), "1") << "long overdue";
}

using LearnerCommandTable = ProgramEdges;

TEST_F(LearnerCommandTable, theHelpListsEveryCommandAndNoOther) {
    QProcess dorvane;
    dorvane.start(DORVANE_PROGRAM, {"--help"});
    ASSERT_TRUE(dorvane.waitForFinished());
    const QString help = QString::fromUtf8(dorvane.readAllStandardOutput()).simplified();
    QStringList options = {"help", "help-all", "version"};
    for (const LearnerCommandRow& row : learnerCommands()) {
        const QString option = row.valueName
                                   ? QStringLiteral("%1 <%2>").arg(row.word, row.valueName)
                                   : QString::fromLatin1(row.word);
        EXPECT_TRUE(help.contains(QStringLiteral("--%1 %2").arg(option, row.help))) << row.word;
        options << row.word;
    }
    options << "import"
            << "add"
            << "deck"
            << "play-deck"; // the deck options, after them
    QStringList listed;
    for (const auto& match : QRegularExpression("--([a-z-]+)").globalMatch(help))
        listed << match.captured(1);
    EXPECT_EQ(listed, options);
}

// During the welcome every command that waits for something says "Not now", however it comes.
TEST_F(LearnerCommandTable, theSocketTheKeysAndTheMenuTakeEveryCommand) {
    struct Keys : GlobalShortcuts {
        QString unavailable() const override { return {}; }
        bool add(const QString& key, std::function<void()> press) override {
            return presses.emplace(key, std::move(press)).second;
        }
        std::map<QString, std::function<void()>> presses;
    };
    auto owned = std::make_unique<Keys>();
    Keys& keys = *owned;
    QTemporaryDir dir;
    SingleInstance instance(dir.path() + "/Vesk.conf", learnerCommandWords()); // as main() has it
    ASSERT_EQ(instance.acquire(), SingleInstance::Start::Run);
    Application running(platform, settings, random, playback, &instance);
    running.start();
    running.startLearnerControls(std::move(owned), nullptr, [] { return false; });
    const QList<QAction*> menu = running.barMenu().findChild<QMenu*>("learnMenu")->actions();
    int notices = 0;
    QObject::connect(&running.learner(), &LearnerCommands::notNow, [&] { ++notices; });
    for (const LearnerCommandRow& row : learnerCommands()) {
        const int before = notices;
        auto delivered = std::async(std::launch::async, [&] { return instance.deliver(row.word); });
        while (delivered.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_EQ(delivered.get(), SingleInstance::Delivery::Taken) << row.word;
        if (row.desktopKey) {
            ASSERT_EQ(keys.presses.count(row.desktopKey), 1u) << row.word;
            keys.presses[row.desktopKey]();
        }
        QAction* entry = row.menuEntry ? running.learnActions().action(row.menuEntry) : nullptr;
        ASSERT_EQ(menu.contains(entry), row.menuEntry != nullptr) << row.word;
        if (entry) {
            EXPECT_EQ(entry->shortcut(), QKeySequence(row.desktopKey)) << row.word;
            entry->trigger();
        }
        // Playing, the other language's entry is greyed out.
        const int ways = 1 + (row.desktopKey != nullptr) + (entry && entry->isEnabled());
        EXPECT_EQ(notices - before, row.needs == Readiness::Anytime ? 0 : ways) << row.word;
    }
    EXPECT_NE(running.progressWindow(), nullptr);
}

} // namespace
