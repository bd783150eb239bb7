// Only one copy runs per settings store. The lock file beside the store decides: a lock held by
// a live copy of this program on this machine means a copy runs, and a later start asks it over
// a local socket to come to the front and then ends, whether or not it answers; any other lock
// is taken over, but one made on another machine (a shared home) cannot be judged from here.
// The socket lives in a folder that is this user's alone ($XDG_RUNTIME_DIR, else dorvane-<uid>
// in the temporary folder), checked before each use; its path is also written beside the lock,
// so starts from different environments find each other. The socket takes the commands its
// caller names too (the learner's, from the command line): one word on one line ("next"), from
// the same user, at most a few bytes, answered "ok" once taken; anything else is dropped.
#pragma once

#include "core/ports/instance_guard.h"

#include <QLocalServer>
#include <QLockFile>
#include <QStringList>
#include <QTimer>
#include <memory>

class QLocalSocket;
struct LockVerdict;

class SingleInstance : public InstanceGuard {
    Q_OBJECT
public:
    // storePath: the settings file this copy reads and writes. commands: the words the socket
    // takes besides "activate"; a copy that only delivers a command needs none.
    explicit SingleInstance(const QString& storePath, QStringList commands = {},
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    enum class Start {
        Run,         // this copy is to run
        AlreadyRuns, // another copy holds the lock: it was asked to come forward, or did not
                     // answer and standard error says so
        CannotJudge, // the lock was made on another machine: said, with what to do
    };
    // Where no lock can be made the socket alone guards; with neither, this copy runs and says
    // so.
    Start acquire();
    // Gives the lock and the socket up, for an end that skips every destructor.
    void release() override;
    // False, said on standard error, when the lock this copy took now names another process
    // or is gone: another copy runs on the store, and this one's saves would overwrite its own.
    bool maySave() const override;

    enum class Delivery {
        Taken,    // the running copy has the command
        NoCopy,   // no copy runs for this store
        NoAnswer, // the lock names a live copy, which did not take it
    };
    // Hands a command to the copy running for this store. While the lock names a live copy a
    // busy one is given a few seconds. holder: the process the lock names, where it does.
    Delivery deliver(const QString& command, qint64* holder = nullptr) const;
    // How long a client may take to send its line before it is dropped.
    void setReadTimeout(int milliseconds) { m_readTimeoutMs = milliseconds; }

    QString lockPath() const { return m_lockPath; }
    // Where this copy listens, once it holds the lock.
    QString serverName() const { return m_serverName; }

private:
    enum class TakeOver { Done, Again, Failed };
    TakeOver takeOver(QString* failure);
    Start refuse(const LockVerdict& verdict);
    bool listen();
    void checkListening();
    void serve(QLocalSocket* client);
    bool send(const QString& command, int patienceMilliseconds) const;
    QStringList serversToTry() const;
    // This copy took the lock, and the lock file now names another process or is gone.
    bool lockTakenOver() const;
    void sayOnce(const QString& line);

    QStringList m_commands;
    QString m_lockPath;
    QString m_socketName; // the same for every start on this store
    QString m_serverName; // where this copy listens
    QString m_serverNote; // beside the lock: where its holder listens
    // Not a plain member: a lock taken over must outlive this object, whose unlock would remove
    // the other copy's file.
    std::unique_ptr<QLockFile> m_lock;
    bool m_locked = false; // this copy took the lock
    std::unique_ptr<QLocalServer> m_server;
    QTimer m_listenCheck;
    int m_clients = 0; // served at this moment
    int m_readTimeoutMs = 1000;
    QStringList m_said;
};
