#include "platform/single_instance.h"

#include "core/logging.h"
#include "platform/instance_lock_path.h"
#include "platform/local_socket_places.h"
#include "platform/lock_verdict.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

namespace {

// How long a lock holder has to answer once; a live one that is busy gets a few seconds.
constexpr int kAnswerMilliseconds = 1000;
constexpr int kPatienceMilliseconds = 5000;
// A server that stopped is made again within a second (checkListening()); a client whose copy
// has no socket waits for two such tries.
constexpr int kListenCheckMilliseconds = 1000;
constexpr int kRelistenMilliseconds = 2500;
// A burst of clients must not use up the program's file descriptors: the ones beyond this are
// closed at once, and try again.
constexpr int kMaxClients = 16;
constexpr int kListenBacklog = 128;
// How long a start keeps at a lock that others make or take over at the same moment.
constexpr int kAcquireMilliseconds = 3000;

QString socketNameFor(const QString& lockPath) {
    // Short enough for a socket path; one name per store.
    return QStringLiteral("dorvane-") +
           QString::fromLatin1(QCryptographicHash::hash(lockPath.toUtf8(), QCryptographicHash::Sha1)
                                   .toHex()
                                   .left(16));
}

bool removeLockFile(const QString& path, QString* failure) {
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink()) {
        if (QDir().rmdir(path))
            return true;
        *failure = QStringLiteral("it is a folder that cannot be removed");
        return false;
    }
    QFile file(path);
    if (file.remove())
        return true;
    *failure = file.errorString();
    return false;
}

enum class Attempt {
    Taken,
    Nobody,     // nothing listens there
    Busy,       // it took no connection, or closed it unread: the line may be sent again
    Unanswered, // it has the line but did not answer: sent again, it might be carried out twice
};

// One line to the server at NAME, which answers "ok" once it has it.
Attempt sendOnce(const QString& name, const QByteArray& line, const QDeadlineTimer& deadline) {
    QLocalSocket socket;
    switch (connectLocalSocket(socket, name, int(deadline.remainingTime()))) {
    case LocalReach::Connected:
        break;
    case LocalReach::Nobody:
        return Attempt::Nobody;
    case LocalReach::Busy:
        return Attempt::Busy;
    }
    socket.write(line);
    while (socket.bytesToWrite() > 0 || !socket.canReadLine())
        if (!(socket.bytesToWrite() > 0 ? socket.waitForBytesWritten(int(deadline.remainingTime()))
                                        : socket.waitForReadyRead(int(deadline.remainingTime()))))
            break;
    if (socket.canReadLine())
        return socket.readLine() == "ok\n" ? Attempt::Taken : Attempt::Busy;
    return socket.state() == QLocalSocket::ConnectedState ? Attempt::Unanswered : Attempt::Busy;
}

} // namespace

SingleInstance::SingleInstance(const QString& storePath, QStringList commands, QObject* parent)
    : InstanceGuard(parent), m_commands(std::move(commands)), m_lockPath(lockPathFor(storePath)),
      m_socketName(socketNameFor(m_lockPath)), m_serverNote(m_lockPath + QStringLiteral(".socket")),
      m_lock(std::make_unique<QLockFile>(m_lockPath)) {
    // Which lock keeps a start out is judged here (lock_verdict.h), never by age: a live copy's
    // lock stays however long it runs.
    m_lock->setStaleLockTime(0);
    m_listenCheck.setInterval(kListenCheckMilliseconds);
    connect(&m_listenCheck, &QTimer::timeout, this, &SingleInstance::checkListening);
}

SingleInstance::~SingleInstance() {
    release();
}

SingleInstance::Start SingleInstance::acquire() {
    QDir().mkpath(QFileInfo(m_lockPath).absolutePath());
    QString failure;
    const QDeadlineTimer deadline(kAcquireMilliseconds);
    while (failure.isEmpty() && !deadline.hasExpired()) {
        const LockVerdict verdict = judgeLockFile(m_lockPath);
        if (verdict.kind == LockVerdict::Absent) {
            if (m_lock->tryLock(0)) {
                m_locked = true;
                listen();
                return Start::Run;
            }
            if (m_lock->error() != QLockFile::LockFailedError)
                break;
            continue; // another start made it just now
        }
        // A copy that answers is the one running for this store, whatever its lock file says.
        if (send(QStringLiteral("activate"),
                 verdict.kind == LockVerdict::Held ? kPatienceMilliseconds : 0))
            return Start::AlreadyRuns;
        switch (verdict.kind) {
        case LockVerdict::Held:
        case LockVerdict::Foreign:
            return refuse(verdict);
        case LockVerdict::Stale:
            sayOnce(QStringLiteral("taking over the lock file %1: %2")
                        .arg(QDir::toNativeSeparators(m_lockPath), verdict.reason));
            if (takeOver(&failure) != TakeOver::Done)
                QThread::msleep(50);
            break;
        default:
            QThread::msleep(50);
        }
    }
    if (failure.isEmpty() && deadline.hasExpired())
        failure = QStringLiteral("other starts keep it busy");
    if (!failure.isEmpty())
        qCWarning(lcInstance).noquote()
            << QStringLiteral("cannot take over the lock file %1 (%2): delete it; until then only "
                              "the local socket keeps a second copy from running")
                   .arg(QDir::toNativeSeparators(m_lockPath), failure);
    // No lock could be made (a read-only folder, say): the socket alone keeps later copies away.
    if (listen())
        return Start::Run;
    qCWarning(lcInstance).noquote()
        << QStringLiteral("cannot make sure only one copy runs (lock file %1: %2); running anyway")
               .arg(QDir::toNativeSeparators(m_lockPath),
                    !failure.isEmpty() ? QStringLiteral("cannot be taken over")
                    : m_lock->error() == QLockFile::PermissionError
                        ? QStringLiteral("permission denied")
                        : QStringLiteral("cannot be created"));
    return Start::Run;
}

SingleInstance::Start SingleInstance::refuse(const LockVerdict& verdict) {
    if (verdict.kind == LockVerdict::Held) {
        // Its socket was removed under it, or could not be made: it is the copy all the same.
        qCWarning(lcInstance).noquote()
            << QStringLiteral("a copy is already running for these settings (process %1) but "
                              "did not answer; this one ends")
                   .arg(verdict.pid);
        return Start::AlreadyRuns;
    }
    qCWarning(lcInstance).noquote()
        << QStringLiteral("the lock file %1 was made by process %2 on another machine (%3), "
                          "which cannot be checked from here; if no copy runs there, delete the "
                          "file and start again")
               .arg(QDir::toNativeSeparators(m_lockPath))
               .arg(verdict.pid)
               .arg(verdict.host);
    return Start::CannotJudge;
}

// Removes a lock judged stale. Starts that judge at the same moment go one at a time (as
// QLockFile itself does, under the same name), and each judges again before it removes: the
// file may be a new copy's by then.
SingleInstance::TakeOver SingleInstance::takeOver(QString* failure) {
    QLockFile turn(m_lockPath + QStringLiteral(".rmlock"));
    if (!turn.tryLock(0) && turn.error() == QLockFile::LockFailedError)
        return TakeOver::Again;
    if (judgeLockFile(m_lockPath).kind != LockVerdict::Stale)
        return TakeOver::Again;
    return removeLockFile(m_lockPath, failure) ? TakeOver::Done : TakeOver::Failed;
}

void SingleInstance::release() {
    m_listenCheck.stop();
    if (lockTakenOver()) {
        // The lock file and the socket's path are the other copy's now, and closing either
        // would remove them. Both go with this process.
        (void)m_server.release();
        (void)m_lock.release();
    } else if (m_locked) {
        QFile::remove(m_serverNote);
    }
    m_locked = false;
    m_server.reset();
    if (m_lock)
        m_lock->unlock();
}

bool SingleInstance::maySave() const {
    if (!lockTakenOver())
        return true;
    const qint64 holder = lockFilePid(m_lockPath);
    qCWarning(lcInstance).noquote()
        << QStringLiteral("the lock file %1 %2: another copy may use these settings, so this one "
                          "saves nothing")
               .arg(QDir::toNativeSeparators(m_lockPath),
                    holder ? QStringLiteral("now names process %1").arg(holder)
                           : QStringLiteral("is gone"));
    return false;
}

bool SingleInstance::lockTakenOver() const {
    return m_locked && lockFilePid(m_lockPath) != QCoreApplication::applicationPid();
}

void SingleInstance::sayOnce(const QString& line) {
    if (m_said.contains(line))
        return;
    m_said << line;
    qCWarning(lcInstance).noquote() << line;
}

// Into the first place that takes the socket; each one passed over is said once.
bool SingleInstance::listen() {
    for (const QString& place : localSocketPlaces(m_socketName)) {
        const QString problem = localSocketProblem(place, true);
        if (!problem.isEmpty()) {
            sayOnce(QStringLiteral("not using %1 for the local socket: %2")
                        .arg(QDir::toNativeSeparators(QFileInfo(place).path()), problem));
            continue;
        }
        auto server = std::make_unique<QLocalServer>();
        server->setSocketOptions(QLocalServer::UserAccessOption);
        server->setListenBacklogSize(kListenBacklog);
        // Reached by the lock's holder, or where no lock can be made and no copy answered: a
        // socket left by a crashed copy.
        QLocalServer::removeServer(place);
        if (!server->listen(place)) {
            sayOnce(QStringLiteral("cannot make the local socket %1: %2")
                        .arg(QDir::toNativeSeparators(place), server->errorString()));
            continue;
        }
        m_server = std::move(server);
        m_serverName = place;
        connect(m_server.get(), &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* client = m_server->nextPendingConnection())
                serve(client);
        });
        // Starts with another runtime or temporary folder look here.
        if (!writeSocketNote(m_serverNote, place))
            sayOnce(QStringLiteral("cannot write %1: starts with another runtime or temporary "
                                   "folder will not find this copy")
                        .arg(QDir::toNativeSeparators(m_serverNote)));
        m_listenCheck.start();
        return true;
    }
    sayOnce(QStringLiteral("no local socket could be made: commands and later starts cannot "
                           "reach this copy, and only the lock file keeps a second copy from "
                           "running"));
    return false;
}

// A server that fails to accept a connection (no file descriptor left, say) closes itself and
// says nothing: it is looked at every second and made again.
void SingleInstance::checkListening() {
    if (m_server && m_server->isListening())
        return;
    if (m_server) {
        sayOnce(QStringLiteral("the local socket %1 stopped taking connections (%2); listening "
                               "again")
                    .arg(QDir::toNativeSeparators(m_serverName), m_server->errorString()));
        m_server.reset();
    }
    listen();
}

// Where the store's copy may listen: where its holder wrote it does, then where this start
// would; on Unix only in folders private to this user.
QStringList SingleInstance::serversToTry() const {
    QStringList names = localSocketPlaces(m_socketName);
    names.removeIf([](const QString& name) { return !localSocketProblem(name, false).isEmpty(); });
    names.prepend(readSocketNote(m_serverNote, m_socketName));
    names.removeAll(QString());
    names.removeDuplicates();
    return names;
}

// Nothing a client sends can hold the program up or grow without bound: a few clients at a
// time, each one line within the read timeout, naming a known command (with, for a few, one
// argument: a deck's name in UTF-8); anything else ends the connection.
void SingleInstance::serve(QLocalSocket* client) {
    constexpr qint64 kMaxLine = 1024;
    if (m_clients >= kMaxClients) {
        client->abort();
        client->deleteLater();
        return;
    }
    ++m_clients;
    connect(client, &QObject::destroyed, this, [this] { --m_clients; });
    connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    QTimer::singleShot(m_readTimeoutMs, client, [client] { client->abort(); });
    connect(client, &QLocalSocket::readyRead, this, [this, client, kMaxLine] {
        QByteArray line = client->property("line").toByteArray();
        line += client->read(kMaxLine + 1 - line.size());
        const int end = int(line.indexOf('\n'));
        if (end < 0 && line.size() <= kMaxLine) {
            client->setProperty("line", line);
            return;
        }
        const QString command = QString::fromUtf8(line.left(end)).trimmed();
        const QString word = command.section(QLatin1Char(' '), 0, 0);
        if (end < 0 || (command != QLatin1String("activate") && !m_commands.contains(word))) {
            client->abort();
            return;
        }
        // Answered before it is carried out: a command may open a window and wait there, and
        // "exit" ends the process at once, so the answer is out before the command runs.
        client->write("ok\n");
        client->flush();
        if (client->bytesToWrite() > 0)
            client->waitForBytesWritten(kAnswerMilliseconds);
        client->disconnectFromServer();
        if (command == QLatin1String("activate"))
            emit activationRequested();
        else
            emit commandReceived(command);
    });
}

// A copy whose socket is gone may be making it again (checkListening()); one that is busy
// gets the whole patience, and a line it has is waited for, never sent twice.
bool SingleInstance::send(const QString& command, int patienceMilliseconds) const {
    const QByteArray line = command.toUtf8() + '\n';
    const QDeadlineTimer whileBusy(patienceMilliseconds),
        whileGone(qMin(patienceMilliseconds, kRelistenMilliseconds));
    for (;;) {
        bool busy = false;
        for (const QString& name : serversToTry()) {
            const QDeadlineTimer deadline(
                qMax(qint64(kAnswerMilliseconds), whileBusy.remainingTime()));
            const Attempt attempt = sendOnce(name, line, deadline);
            if (attempt == Attempt::Taken || attempt == Attempt::Unanswered)
                return attempt == Attempt::Taken;
            busy = busy || attempt == Attempt::Busy;
        }
        if ((busy ? whileBusy : whileGone).hasExpired())
            return false;
        QThread::msleep(50);
    }
}

SingleInstance::Delivery SingleInstance::deliver(const QString& command, qint64* holder) const {
    // While the lock names a live copy it runs, however long it takes to answer: a busy machine,
    // or a copy making its socket again.
    const LockVerdict verdict = judgeLockFile(m_lockPath);
    const bool held = verdict.kind == LockVerdict::Held;
    if (send(command, held ? kPatienceMilliseconds : 0))
        return Delivery::Taken;
    if (!held)
        return Delivery::NoCopy;
    if (holder)
        *holder = verdict.pid;
    return Delivery::NoAnswer;
}
