// Only one copy runs per user: the first holds a lock file and listens on a local socket; a
// later copy asks it to come to the front and then ends.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // key: any text every copy of the program shares.
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True for the first copy. A later copy has already asked the running one to come forward.
    bool acquire();

signals:
    // Another copy was started.
    void activationRequested();

private:
    void listen();
    bool askRunningCopyToActivate();

    QString m_serverName;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
};
