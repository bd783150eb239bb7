// Only one copy runs per settings store: the first holds a lock file beside the store and
// listens on a local socket named after it; a later copy asks it to come to the front and then
// ends. Both names come from the store's path alone, so one store has one copy however the
// environment (runtime folder, home) differs between starts.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

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

    QString lockPath() const { return m_lock.fileName(); }
    QString serverName() const { return m_serverName; }

signals:
    // Another copy was started.
    void activationRequested();

private:
    bool listen();
    bool askRunningCopyToActivate();

    QString m_serverName;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
};
