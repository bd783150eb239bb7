// One copy per settings store: the lock beside the store, the local socket and what it lets
// through, and the socket's private folder. A copy whose lock another copy took over is checked
// end to end (tests/e2e/instance_e2e.sh), on the program's own end.
#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
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

} // namespace
