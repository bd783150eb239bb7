// Only one copy runs per settings store. The lock file beside the store decides: a lock held by
// a live process means a copy runs, and a later start asks it over a local socket to come to the
// front and then ends, whether or not it answers; only a lock whose holder is gone is taken
// over. The socket lives in a folder that is this user's alone ($XDG_RUNTIME_DIR, else
// dorvane-<uid> in the temporary folder), checked before each use; its path is also written
// beside the lock, so starts from different environments find each other. The socket takes
// the learner's commands from the command line too: one word on one line ("next"), from the
// same user, at most a few bytes; anything else is dropped.
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

    // True when this copy is to run. False when another copy holds the lock: it was asked to
    // come forward, or it did not answer and standard error says so. Where no lock can be made
    // the socket alone guards; with neither, this copy runs and says so.
    bool acquire();
    // Gives the lock and the socket up, for an end that skips every destructor.
    void release();
    // False, said on standard error, when the lock this copy took now names another process
    // or is gone: another copy runs on the store, and this one's saves would overwrite its own.
    bool maySave() const;

    // Hands a command to the copy running for this store: false when none took it.
    bool send(const QString& command) const;
    // The commands the socket accepts, "activate" among them.
    static const QStringList& commands();
    // How long a client may take to send its line before it is dropped.
    void setReadTimeout(int milliseconds) { m_readTimeoutMs = milliseconds; }

    QString lockPath() const { return m_lockPath; }
    // Where this copy listens, once it holds the lock.
    QString serverName() const { return m_serverName; }

signals:
    // Another copy was started.
    void activationRequested();
    // A command other than "activate" came in.
    void commandReceived(const QString& command);

private:
    bool listen();
    void serve(QLocalSocket* client);
    QStringList serversToTry() const;
    // The process the lock file names, or 0 when there is none.
    qint64 lockHolder() const;
    // This copy took the lock, and the lock file now names another process or is gone.
    bool lockTakenOver() const;

    QString m_lockPath;
    QString m_serverName;
    QString m_serverNote; // beside the lock: where its holder listens
    // Not a plain member: a lock taken over must outlive this object, whose unlock would remove
    // the other copy's file.
    std::unique_ptr<QLockFile> m_lock;
    bool m_locked = false; // this copy took the lock
    std::unique_ptr<QLocalServer> m_server;
    int m_readTimeoutMs = 1000;
};
