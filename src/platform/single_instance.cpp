#include "platform/single_instance.h"

#include "core/logging.h"
#include "platform/instance_lock_path.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTimer>

namespace {

// How long a lock holder has to answer before its lock counts as stale.
constexpr int kAnswerMilliseconds = 1000;

QString serverNameFor(const QString& storePath) {
    // Short enough for a socket path; the store's path is private to its user already. On Unix
    // the socket gets a fixed folder: a name alone lands in $TMPDIR, which two starts on one
    // store may see differently.
#ifdef Q_OS_UNIX
    const QString folder = QStringLiteral("/tmp/");
#else
    const QString folder;
#endif
    return folder + QStringLiteral("dorvane-") +
           QString::fromLatin1(
               QCryptographicHash::hash(storePath.toUtf8(), QCryptographicHash::Sha1)
                   .toHex()
                   .left(16));
}

} // namespace

SingleInstance::SingleInstance(const QString& storePath, QObject* parent)
    : QObject(parent), m_serverName(serverNameFor(lockPathFor(storePath))),
      m_lock(lockPathFor(storePath)) {
    // A lock left by a crashed copy names a process that no longer runs and is taken over
    // at once; a live copy's lock never goes stale by age however long it runs.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire() {
    QDir().mkpath(QFileInfo(m_lock.fileName()).absolutePath());
    if (m_lock.tryLock(0)) {
        listen();
        return true;
    }
    if (send(QStringLiteral("activate")))
        return false;
    if (m_lock.error() == QLockFile::LockFailedError) {
        // The holder is alive but does not answer: a process id reused by another program, or
        // a copy for another store. Its lock is stale.
        m_lock.removeStaleLockFile();
        if (m_lock.tryLock(0)) {
            listen();
            return true;
        }
    }
    // No lock could be made (a read-only folder, say): the socket alone keeps later copies away.
    if (listen())
        return true;
    qCWarning(lcInstance).noquote()
        << QStringLiteral("cannot make sure only one copy runs (lock file %1: %2); running anyway")
               .arg(QDir::toNativeSeparators(m_lock.fileName()),
                    m_lock.error() == QLockFile::PermissionError
                        ? QStringLiteral("permission denied")
                        : QStringLiteral("cannot be created"));
    return true;
}

void SingleInstance::release() {
    m_server.reset();
    m_lock.unlock();
}

bool SingleInstance::listen() {
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Reached only when no copy answered: a socket left by a crashed copy.
    QLocalServer::removeServer(m_serverName);
    if (!m_server->listen(m_serverName)) {
        m_server.reset();
        return false;
    }
    connect(m_server.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = m_server->nextPendingConnection())
            serve(client);
    });
    return true;
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
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(kAnswerMilliseconds))
        return false;
    socket.write(command.toLatin1() + '\n');
    return socket.waitForBytesWritten(kAnswerMilliseconds);
}
