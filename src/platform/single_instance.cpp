#include "platform/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

QString userName() {
    const QString name = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return name.isEmpty() ? QStringLiteral("user") : name;
}

QString lockFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}

} // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent),
      // Per user (and per home folder, so a test's private HOME gets a copy of its own).
      m_serverName(
          key + QLatin1Char('-') +
          QString::fromLatin1(QCryptographicHash::hash((userName() + QDir::homePath()).toUtf8(),
                                                       QCryptographicHash::Sha1)
                                  .toHex()
                                  .left(12))),
      m_lock(lockFolder() + QLatin1Char('/') + m_serverName + QStringLiteral(".lock")) {
    // A lock left by a crashed copy names a process that no longer runs and is taken over;
    // a live copy's lock never goes stale however long it runs.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire() {
    if (m_lock.tryLock(0)) {
        listen();
        return true;
    }
    if (m_lock.error() != QLockFile::LockFailedError) {
        // No lock can be made (an unwritable folder): better two copies than none.
        return true;
    }
    askRunningCopyToActivate();
    return false;
}

void SingleInstance::listen() {
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(m_serverName); // a socket left by a crashed copy
    if (!m_server->listen(m_serverName))
        return;
    connect(m_server.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            socket->disconnectFromServer();
            emit activationRequested();
        }
    });
}

bool SingleInstance::askRunningCopyToActivate() {
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    return socket.waitForConnected(500);
}
