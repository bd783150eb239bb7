// What a running copy hears from later starts on its settings store, and whether it still has
// the store to itself (platform/single_instance.h keeps the lock and the local socket).
#pragma once

#include <QObject>
#include <QString>

class InstanceGuard : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // False, said on standard error, once another copy runs on the store: this one's saves
    // would overwrite its own.
    virtual bool maySave() const = 0;
    // Gives the store up as the process ends, so no lock is left for the next start to judge.
    virtual void release() = 0;

signals:
    // Another copy was started.
    void activationRequested();
    // A learner's command other than "activate" came in.
    void commandReceived(const QString& command);
};
