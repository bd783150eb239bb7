// The start-up sequence and the popup menu's entries over fake platform services, and the
// program at its edges: failed saves, ends other than Exit, a second start, stale locks.
#include "app/application.h"
#include "platform/single_instance.h"
#include "support/desktop.h"
#include "ui/dialogs/about_window.h"
#include "ui/dialogs/settings_dialog.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <memory>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

void runEventsFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

TEST_F(Desktop, readAloudTogglesOnlyTheCharacterAndExitSavesThenEnds) {
    for (int i = 0; i < 3; ++i)
        menu.readAloudAction()->trigger();
    EXPECT_EQ(characters.peedy.calls, QStringList({"Hide", "Show", "Hide"}));

    // Exit saves the voice (which reading aloud left alone), the bar's place and, in sequence
    // mode with the schedule kept, the position, whatever "Save setting while exit" says.
    menu.exitAction()->trigger();
    EXPECT_EQ(store.writes, QStringList({"voice=1", "left=5680"})) << "random order";
    Settings.inSequence = 1, Settings.saveSettings = 0;
    menu.exitAction()->trigger();
    EXPECT_EQ(store.writes.mid(2), QStringList({"voice=1", "left=5680", "guagen=10207"}));
    EXPECT_FALSE(store.unsynced) << "on the disk before the process ends";
    Settings.savePositionOnExit = 0;
    menu.exitAction()->trigger();
    EXPECT_EQ(store.writes.mid(5), QStringList({"voice=1", "left=5680"})) << "schedule not kept";
    EXPECT_EQ(ended, 3);
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
    Application program{platform, random};
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
    Application program(withoutPeedy, random);
    program.start();
    EXPECT_EQ(program.bar().character(), nullptr);
    EXPECT_TRUE(program.splash()->isVisible());
    EXPECT_EQ(program.bar().geometry().left(), 550) << "within this screen";
}

class ProgramEdges : public ApplicationOnFakes {
protected:
    void SetUp() override { Settings = {1, 2, 3, 5, 1, 1, 1, 0, 1, 1, 10207, 0, 1, 150, "1"}; }
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

TEST(SingleInstance, aSecondStartOnTheSameStoreBringsTheFirstForwardAndEnds) {
    QTemporaryDir dir;
    SingleInstance first(dir.path() + "/Vesk.conf");
    ASSERT_TRUE(first.acquire());
    int activations = 0;
    QObject::connect(&first, &SingleInstance::activationRequested, [&] { ++activations; });

    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qunsetenv("XDG_RUNTIME_DIR");
    SingleInstance second(dir.path() + "/./Vesk.conf");
    EXPECT_FALSE(second.acquire());
    qputenv("XDG_RUNTIME_DIR", runtime);
    runEventsFor(100);
    EXPECT_EQ(activations, 1);
    EXPECT_TRUE(SingleInstance(dir.path() + "/Other.conf").acquire()) << "another store";
}

// The socket takes one known word on one line, from clients that may also flood it, send too
// much, send junk or never send at all; nothing of that holds the program up.
TEST(SingleInstance, onlyKnownCommandsComeThroughWhateverClientsSend) {
    QTemporaryDir dir;
    SingleInstance running(dir.path() + "/Vesk.conf");
    running.setReadTimeout(100);
    ASSERT_TRUE(running.acquire());
    QStringList received;
    QObject::connect(&running, &SingleInstance::commandReceived,
                     [&](const QString& command) { received << command; });
    std::vector<std::unique_ptr<QLocalSocket>> clients;
    const auto client = [&](const QByteArray& bytes) {
        clients.push_back(std::make_unique<QLocalSocket>());
        clients.back()->connectToServer(running.serverName());
        EXPECT_TRUE(clients.back()->waitForConnected(1000));
        clients.back()->write(bytes);
        clients.back()->flush();
        QCoreApplication::processEvents(); // the program's own loop runs between clients
    };
    client("next\n");
    client(QByteArray(100000, 'n') + "ext\n");          // overlong
    client(QByteArray("\x00\xff\x13junk\nnext\n", 13)); // binary junk, then a valid word
    client("shutdown\n");                               // not a command
    client("");                                         // a slow client that never sends
    for (int i = 0; i < 200; ++i)                       // a flood
        client(i % 2 ? "pause\n" : "next");
    EXPECT_TRUE(running.send("previous")) << "the copy still answers";
    runEventsFor(300);
    EXPECT_EQ(received.count("next"), 1);
    EXPECT_EQ(received.count("pause"), 100);
    EXPECT_EQ(received.count("previous"), 1);
    EXPECT_EQ(received.size(), 102);
    EXPECT_EQ(clients[4]->state(), QLocalSocket::UnconnectedState) << "the silent one was dropped";
}

TEST(SingleInstance, aLiveLockHolderKeepsASecondCopyOutAnswerOrNotAndNoLockLeavesTheSocket) {
    QTemporaryDir dir;
    // A live process (this one) holds the lock; no socket answers for it.
    QLockFile silent(SingleInstance(dir.path() + "/Vesk.conf").lockPath());
    ASSERT_TRUE(silent.tryLock(0));
    EXPECT_FALSE(SingleInstance(dir.path() + "/Vesk.conf").acquire());
    EXPECT_TRUE(QFile::exists(silent.fileName())) << "its lock stays";
    // A file where the store's folder should be: no lock can be made there, even by root.
    QFile blocker(dir.path() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    SingleInstance starting(dir.path() + "/file/Vesk.conf");
    EXPECT_TRUE(starting.acquire());
    EXPECT_FALSE(SingleInstance(dir.path() + "/file/Vesk.conf").acquire()) << "it answers";
}

#ifdef Q_OS_UNIX
// The socket goes only into a folder of this user's alone; else the lock alone guards.
TEST(SingleInstance, theSocketFolderIsMadePrivateAndOneThatIsALinkOrOpenIsNotUsed) {
    QTemporaryDir dir;
    const QString store = dir.path() + "/Vesk.conf", run = dir.path() + "/run";
    const auto owner = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    ASSERT_TRUE(QDir().mkdir(run) && QFile::setPermissions(run, owner));
    ASSERT_TRUE(QFile::link(run, dir.path() + "/link") && QDir().mkdir(dir.path() + "/open"));
    ASSERT_TRUE(QFile::setPermissions(dir.path() + "/open", owner | QFile::ExeOther));
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR"), temp = qgetenv("TMPDIR");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(dir.path()));
    for (const QString& folder : {QString(), dir.path() + "/link", dir.path() + "/open"}) {
        if (!folder.isEmpty())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
        SingleInstance first(store);
        ASSERT_TRUE(first.acquire());
        EXPECT_EQ(QFile::exists(first.serverName()), folder.isEmpty()) << qPrintable(folder);
        EXPECT_FALSE(SingleInstance(store).acquire());
    }
    EXPECT_EQ(QFile::permissions(dir.path() + "/dorvane-" + QString::number(getuid())),
              owner | QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    qputenv("XDG_RUNTIME_DIR", runtime);
    qputenv("TMPDIR", temp);
}
#endif

TEST(SingleInstance, aCopyWhoseLockWasTakenOverSavesNothingAndLeavesTheNewLockAlone) {
    QTemporaryDir dir;
    auto first = std::make_unique<SingleInstance>(dir.path() + "/Vesk.conf");
    ASSERT_TRUE(first->acquire() && first->maySave());
    QFile lock(first->lockPath());
    ASSERT_TRUE(lock.remove() && lock.open(QIODevice::WriteOnly));
    lock.write("1\ndorvane\n\n"); // another copy's, whose process is alive
    lock.close();
    EXPECT_FALSE(first->maySave());
    first.reset();
    EXPECT_TRUE(lock.exists());
}

} // namespace
