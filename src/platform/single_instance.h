// Only one copy runs per settings store: the first holds a lock file beside the store and
// listens on a local socket named after it; a later copy asks it to come to the front and then
// ends. The socket also takes the learner's commands from the command line: one word on one
// line ("next"), from the same user, at most a few bytes; anything else is dropped. Both names come
// from the store's path alone, so one store has one copy however the environment (runtime folder,
// home) differs between starts.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

class QLocalSocket;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // storePath: the settings file this copy reads and writes.
    explicit SingleInstance(const QString& storePath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this copy is to run. False when a running copy answered and was asked to come
    // forward. A lock whose holder does not answer within a second is stale and taken over;
    // a lock that cannot be made leaves the socket alone to tell; with neither, this copy runs
    // unguarded and says so on standard error.
    bool acquire();
    // Gives the lock and the socket up, for an end that skips every destructor.
    void release();

    // Hands a command to the copy running for this store: false when none took it.
    bool send(const QString& command) const;
    // The commands the socket accepts, "activate" among them.
    static const QStringList& commands();
    // How long a client may take to send its line before it is dropped.
    void setReadTimeout(int milliseconds) { m_readTimeoutMs = milliseconds; }

    QString lockPath() const { return m_lock.fileName(); }
    QString serverName() const { return m_serverName; }

signals:
    // Another copy was started.
    void activationRequested();
    // A command other than "activate" came in.
    void commandReceived(const QString& command);

private:
    bool listen();
    void serve(QLocalSocket* client);

    QString m_serverName;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
    int m_readTimeoutMs = 1000;
};
