#include "platform/single_instance.h"

#include "core/logging.h"
#include "platform/instance_lock_path.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// How long a lock holder has to answer.
constexpr int kAnswerMilliseconds = 1000;

#ifdef Q_OS_UNIX
// The session's runtime folder, else a folder of this user's own in the temporary folder.
QString socketFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        return runtime;
    return QDir::tempPath() + QStringLiteral("/dorvane-") + QString::number(::geteuid());
}

// Whether the socket may go into FOLDER: a real folder (no symbolic link), this user's, closed
// to everyone else. Any user can make a name in the temporary folder first, so this is checked
// before each use; a folder that fails is said once and left alone. A missing folder is made
// when CREATE, else passed over in silence: nobody listens there.
bool isPrivateFolder(const QString& folder, bool create) {
    const QByteArray path = QFile::encodeName(folder);
    struct stat info {};
    int result = ::lstat(path.constData(), &info);
    if (result != 0 && errno == ENOENT) {
        if (!create)
            return false;
        ::mkdir(path.constData(), 0700);
        result = ::lstat(path.constData(), &info);
    }
    QString problem;
    if (result != 0)
        problem = QString::fromLocal8Bit(std::strerror(errno));
    else if (S_ISLNK(info.st_mode))
        problem = QStringLiteral("it is a symbolic link");
    else if (!S_ISDIR(info.st_mode))
        problem = QStringLiteral("it is not a folder");
    else if (info.st_uid != ::geteuid())
        problem = QStringLiteral("it belongs to another user");
    else if ((info.st_mode & 0777) != 0700)
        problem = QStringLiteral("others may use it (mode %1)")
                      .arg(info.st_mode & 0777, 3, 8, QLatin1Char('0'));
    if (problem.isEmpty())
        return true;
    static QStringList told;
    if (!told.contains(folder)) {
        told << folder;
        qCWarning(lcInstance).noquote()
            << QStringLiteral("not using %1 for the local socket: %2; only the lock file keeps "
                              "a second copy from running")
                   .arg(folder, problem);
    }
    return false;
}
#endif

QString serverNameFor(const QString& lockPath) {
    // Short enough for a socket path; one name per store.
    const QString name =
        QStringLiteral("dorvane-") +
        QString::fromLatin1(
            QCryptographicHash::hash(lockPath.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
#ifdef Q_OS_UNIX
    return socketFolder() + QLatin1Char('/') + name;
#else
    return name; // a named pipe's name
#endif
}

} // namespace

SingleInstance::SingleInstance(const QString& storePath, QObject* parent)
    : QObject(parent), m_lockPath(lockPathFor(storePath)), m_serverName(serverNameFor(m_lockPath)),
      m_serverNote(m_lockPath + QStringLiteral(".socket")),
      m_lock(std::make_unique<QLockFile>(m_lockPath)) {
    // A lock left by a crashed copy names a process that no longer runs and is taken over
    // at once; a live copy's lock never goes stale by age however long it runs.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    release();
}

bool SingleInstance::acquire() {
    QDir().mkpath(QFileInfo(m_lockPath).absolutePath());
    // QLockFile takes a lock over only when the process it names has ended or is another
    // program (an id used again).
    if (m_lock->tryLock(0)) {
        m_locked = true;
        listen();
        return true;
    }
    if (send(QStringLiteral("activate")))
        return false;
    if (m_lock->error() == QLockFile::LockFailedError) {
        // Its socket was removed under it, or could not be made: it is the copy all the same.
        qCWarning(lcInstance).noquote()
            << QStringLiteral("a copy is already running for these settings (process %1) but "
                              "did not answer; this one ends")
                   .arg(lockHolder());
        return false;
    }
    // No lock could be made (a read-only folder, say): the socket alone keeps later copies away.
    if (listen())
        return true;
    qCWarning(lcInstance).noquote()
        << QStringLiteral("cannot make sure only one copy runs (lock file %1: %2); running anyway")
               .arg(QDir::toNativeSeparators(m_lockPath),
                    m_lock->error() == QLockFile::PermissionError
                        ? QStringLiteral("permission denied")
                        : QStringLiteral("cannot be created"));
    return true;
}

void SingleInstance::release() {
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
    const qint64 holder = lockHolder();
    qCWarning(lcInstance).noquote()
        << QStringLiteral("the lock file %1 %2: another copy may use these settings, so this one "
                          "saves nothing")
               .arg(QDir::toNativeSeparators(m_lockPath),
                    holder ? QStringLiteral("now names process %1").arg(holder)
                           : QStringLiteral("is gone"));
    return false;
}

bool SingleInstance::lockTakenOver() const {
    return m_locked && lockHolder() != QCoreApplication::applicationPid();
}

qint64 SingleInstance::lockHolder() const {
    qint64 pid = 0;
    QString host, program;
    if (!m_lock || !m_lock->getLockInfo(&pid, &host, &program))
        return 0;
    return pid;
}

bool SingleInstance::listen() {
#ifdef Q_OS_UNIX
    if (!isPrivateFolder(QFileInfo(m_serverName).path(), true))
        return false;
#endif
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Reached by the lock's holder, or where no lock can be made and no copy answered: a socket
    // left by a crashed copy.
    QLocalServer::removeServer(m_serverName);
    if (!m_server->listen(m_serverName)) {
        m_server.reset();
        return false;
    }
    connect(m_server.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = m_server->nextPendingConnection())
            serve(client);
    });
#ifdef Q_OS_UNIX
    // Starts with another runtime or temporary folder look here.
    QFile note(m_serverNote);
    if (note.open(QIODevice::WriteOnly | QIODevice::Truncate))
        note.write(QFile::encodeName(m_serverName) + '\n');
#endif
    return true;
}

// Where the store's copy may listen: where its holder wrote it does, then where this start
// would; on Unix only in folders private to this user.
QStringList SingleInstance::serversToTry() const {
    QStringList names;
#ifdef Q_OS_UNIX
    QFile note(m_serverNote);
    if (note.open(QIODevice::ReadOnly))
        names << QFile::decodeName(note.readLine(4096).trimmed());
#endif
    names << m_serverName;
    names.removeAll(QString());
    names.removeDuplicates();
#ifdef Q_OS_UNIX
    names.removeIf(
        [](const QString& name) { return !isPrivateFolder(QFileInfo(name).path(), false); });
#endif
    return names;
}

const QStringList& SingleInstance::commands() {
    static const QStringList words = {QStringLiteral("activate"), QStringLiteral("pause"),
                                      QStringLiteral("resume"),   QStringLiteral("toggle-pause"),
                                      QStringLiteral("next"),     QStringLiteral("previous"),
                                      QStringLiteral("replay"),   QStringLiteral("replay-slowly"),
                                      QStringLiteral("known"),    QStringLiteral("other-language"),
                                      QStringLiteral("progress")};
    return words;
}

// Nothing a client sends can hold the program up or grow without bound: one line of a few
// bytes, within the read timeout, naming a known command; anything else ends the connection.
void SingleInstance::serve(QLocalSocket* client) {
    constexpr qint64 kMaxLine = 32;
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
        client->abort();
        const QString command = QString::fromLatin1(line.left(end)).trimmed();
        if (end < 0 || !commands().contains(command))
            return;
        if (command == QLatin1String("activate"))
            emit activationRequested();
        else
            emit commandReceived(command);
    });
}

bool SingleInstance::send(const QString& command) const {
    for (const QString& name : serversToTry()) {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (!socket.waitForConnected(kAnswerMilliseconds))
            continue;
        socket.write(command.toLatin1() + '\n');
        return socket.waitForBytesWritten(kAnswerMilliseconds);
    }
    return false;
}
