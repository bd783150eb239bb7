// One copy per settings store: the lock beside the store and who holds it, the local socket and
// what it lets through, and the socket's private folder. Hostile lock files and socket notes, a
// copy whose lock another copy took over, bursts of clients and unusable runtime folders are
// checked end to end (tests/e2e/instance_e2e.sh), on the program's own end.
#include "platform/process_identity.h"
#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <future>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

using Start = SingleInstance::Start;

// Serves until CONDITION holds; false when it still does not after a generous while.
template <typename Condition> bool servedUntil(Condition condition) {
    const QDeadlineTimer deadline(10000);
    while (!condition() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return condition();
}

// Puts an environment variable back as it was, however the test ends.
struct KeptVariable {
    const char* name;
    const std::optional<QByteArray> was =
        qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
    ~KeptVariable() { was ? qputenv(name, *was) : qunsetenv(name); }
};

// A client that sends BYTES to the server at NAME and stays until the server ends it.
std::unique_ptr<QLocalSocket> clientSending(const QString& name, const QByteArray& bytes) {
    auto client = std::make_unique<QLocalSocket>();
    client->connectToServer(name);
    EXPECT_TRUE(client->waitForConnected(1000));
    client->write(bytes);
    client->flush();
    return client;
}

// A client waits for the server's answer: it runs on a thread of its own while this one serves.
template <typename Client> auto whileServing(Client client) {
    auto result = std::async(std::launch::async, client);
    while (result.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return result.get();
}

TEST(SingleInstance, aSecondStartOnTheSameStoreBringsTheFirstForwardAndEnds) {
    QTemporaryDir dir;
    SingleInstance first(dir.path() + "/Vesk.conf");
    ASSERT_EQ(first.acquire(), Start::Run);
    int activations = 0;
    QObject::connect(&first, &SingleInstance::activationRequested, [&] { ++activations; });

    {
        const KeptVariable runtime{"XDG_RUNTIME_DIR"};
        qunsetenv("XDG_RUNTIME_DIR");
        SingleInstance second(dir.path() + "/./Vesk.conf");
        EXPECT_EQ(whileServing([&] { return second.acquire(); }), Start::AlreadyRuns);
    }
    EXPECT_EQ(activations, 1);
    EXPECT_EQ(SingleInstance(dir.path() + "/Other.conf").acquire(), Start::Run) << "another store";
}

// The socket takes one known word on one line, from clients that may also send too much, send
// junk or never send at all.
TEST(SingleInstance, onlyKnownCommandsComeThroughWhateverClientsSend) {
    QTemporaryDir dir;
    SingleInstance running(dir.path() + "/Vesk.conf", {"next", "pause", "previous"});
    running.setReadTimeout(200);
    ASSERT_EQ(running.acquire(), Start::Run);
    QStringList received;
    QObject::connect(&running, &SingleInstance::commandReceived,
                     [&](const QString& command) { received << command; });
    std::vector<std::unique_ptr<QLocalSocket>> clients;
    for (const QByteArray& bytes :
         {QByteArray("next\n"), QByteArray(100000, 'n') + "ext\n", // overlong
          QByteArray("\x00\xff\x13junk\nnext\n", 13),              // binary junk, then a word
          QByteArray("shutdown\n"),                                // not a command
          QByteArray()})                                           // a slow client: never sends
        clients.push_back(clientSending(running.serverName(), bytes));
    EXPECT_TRUE(servedUntil([&] { return clients[4]->state() == QLocalSocket::UnconnectedState; }))
        << "the silent one is dropped once its time is up";
    const auto previous = [&] { return running.deliver("previous"); };
    EXPECT_EQ(whileServing(previous), SingleInstance::Delivery::Taken);
    EXPECT_EQ(received, QStringList({"next", "previous"}));
    EXPECT_EQ(clients[0]->readAll(), "ok\n") << "a command taken is answered";
}

// A flood of clients that never end neither holds the program up nor uses up its file
// descriptors; they wait far longer than the test, so only the limit can close them.
TEST(SingleInstance, aFloodOfClientsIsCutToAFewAndTheCopyAnswersOnceTheyGo) {
    QTemporaryDir dir;
    SingleInstance running(dir.path() + "/Vesk.conf", {"pause", "previous"});
    running.setReadTimeout(600000);
    ASSERT_EQ(running.acquire(), Start::Run);
    std::vector<std::unique_ptr<QLocalSocket>> clients;
    for (int i = 0; i < 200; ++i) {
        clients.push_back(clientSending(running.serverName(), "pause"));
        QCoreApplication::processEvents(); // the program's own loop runs between clients
    }
    const auto connected = [&] {
        return std::count_if(clients.begin(), clients.end(), [](const auto& socket) {
            return socket->state() == QLocalSocket::ConnectedState;
        });
    };
    EXPECT_TRUE(servedUntil([&] { return connected() <= 16; }))
        << connected() << " still connected: the ones beyond a few are closed at once";
    clients.clear();
    const auto previous = [&] { return running.deliver("previous"); };
    EXPECT_EQ(whileServing(previous), SingleInstance::Delivery::Taken) << "the copy still answers";
}

// A crashed copy's process id, given out again: to this very start (as Windows does), to another
// program, or to a copy of this program started after the lock was written.
TEST(SingleInstance, aLockNamingAnEndedOrAnotherProcessIsTakenOverAndALiveCopysIsNot) {
    QTemporaryDir dir;
    const QString store = dir.path() + "/Vesk.conf";
    const auto lockNaming = [&](qint64 pid) {
        QFile lock(SingleInstance(store).lockPath());
        EXPECT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(pid) + "\ndorvane\n\n");
    };
    QProcess other;
    other.start("sleep", {"30"});
    ASSERT_TRUE(other.waitForStarted());
    QProcess ended;
    ended.start("true");
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 endedPid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    for (const qint64 pid : {QCoreApplication::applicationPid(), other.processId(), endedPid}) {
        lockNaming(pid);
        SingleInstance starting(store);
        EXPECT_EQ(starting.acquire(), Start::Run) << pid;
        EXPECT_TRUE(starting.maySave()) << "the lock is its own now";
    }
    other.kill();
    other.waitForFinished();

    const qint64 self = QCoreApplication::applicationPid();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    EXPECT_EQ(matchProcess(self, now), ProcessMatch::ThisProgram);
    EXPECT_EQ(matchProcess(self, now - 3600 * 1000), ProcessMatch::StartedLater);
    EXPECT_EQ(matchProcess(endedPid, now), ProcessMatch::Gone);
}

#ifdef Q_OS_UNIX
// The socket goes only into a folder of this user's alone: a runtime folder that is not (or
// whose path would not go into the note's one line) gives way to the private temporary one.
TEST(SingleInstance, theSocketFolderIsMadePrivateAndOneThatIsALinkOpenOrMultilineIsPassedOver) {
    QTemporaryDir dir;
    const QString store = dir.path() + "/Vesk.conf", run = dir.path() + "/run";
    const QString multiline = dir.path() + "/two\nlines";
    const auto owner = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    ASSERT_TRUE(QDir().mkdir(run));
    ASSERT_TRUE(QDir().mkdir(multiline));
    ASSERT_TRUE(QFile::setPermissions(multiline, owner));
    ASSERT_TRUE(QFile::link(run, dir.path() + "/link"));
    ASSERT_TRUE(QDir().mkdir(dir.path() + "/open"));
    ASSERT_TRUE(QFile::setPermissions(dir.path() + "/open", owner | QFile::ExeOther));
    const KeptVariable runtime{"XDG_RUNTIME_DIR"}, temp{"TMPDIR"};
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(dir.path()));
    const QString fallback = dir.path() + "/dorvane-" + QString::number(getuid());
    for (const QString& folder :
         {QString(), dir.path() + "/link", dir.path() + "/open", multiline}) {
        if (!folder.isEmpty())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
        SingleInstance first(store);
        EXPECT_EQ(first.acquire(), Start::Run);
        EXPECT_EQ(QFileInfo(first.serverName()).path(), fallback) << qPrintable(folder);
        SingleInstance second(store);
        EXPECT_EQ(whileServing([&] { return second.acquire(); }), Start::AlreadyRuns);
    }
    EXPECT_EQ(QFile::permissions(fallback),
              owner | QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
}
#endif

} // namespace
