#include "platform/lock_verdict.h"

#include "platform/process_identity.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>

namespace {

// A lock is a few short lines: its process, program, machine name, machine id and boot id.
constexpr qint64 kMaxLockBytes = 4096;
// Between making the file and writing it a lock is empty, for a moment.
constexpr qint64 kWritingMsecs = 1000;

struct LockLines {
    QList<QByteArray> lines;
    QString unreadable; // why the file could not be read
};

LockLines readLock(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    return {file.read(kMaxLockBytes + 1).split('\n'), {}};
}

qint64 pidOf(const QList<QByteArray>& lines) {
    bool number = false;
    const QByteArray& first = lines.value(0);
    const qint64 pid = first.toLongLong(&number);
    // Digits alone, no sign or blank.
    return number && pid > 0 && QByteArray::number(pid) == first ? pid : 0;
}

// Whether a lock with these lines was made on this machine: by its name as QLockFile writes it
// (on Windows the computer's NetBIOS name, in capitals, not its host name), or by its id.
bool madeHere(const QList<QByteArray>& lines) {
    static const QString lockHost = [] {
        QTemporaryDir dir;
        QLockFile probe(dir.path() + QStringLiteral("/probe.lock"));
        qint64 pid = 0;
        QString host, program;
        if (dir.isValid() && probe.tryLock(0) && probe.getLockInfo(&pid, &host, &program))
            return host;
        return QSysInfo::machineHostName();
    }();
    const QString host = QString::fromUtf8(lines.value(2));
    const QByteArray id = lines.value(3);
    return host.isEmpty() || host.compare(lockHost, Qt::CaseInsensitive) == 0 ||
           host.compare(QSysInfo::machineHostName(), Qt::CaseInsensitive) == 0 ||
           (!id.isEmpty() && id == QSysInfo::machineUniqueId());
}

LockVerdict stale(const QString& reason, qint64 pid = 0) {
    return {LockVerdict::Stale, pid, {}, reason};
}

} // namespace

LockVerdict judgeLockFile(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink())
        return stale(QStringLiteral("it is a symbolic link"));
    if (!info.exists())
        return {};
    // A pipe would hold this start up as soon as it was opened.
    if (!info.isFile())
        return stale(QStringLiteral("it is not a plain file"));
    const LockLines lock = readLock(path);
    if (!lock.unreadable.isEmpty())
        return stale(QStringLiteral("it cannot be read (%1)").arg(lock.unreadable));
    const qint64 pid = pidOf(lock.lines);
    if (pid == 0 || info.size() > kMaxLockBytes) {
        const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
        if (info.size() == 0 && qAbs(age) < kWritingMsecs)
            return {LockVerdict::Young, 0, {}, {}};
        return stale(info.size() == 0 ? QStringLiteral("it is empty")
                                      : QStringLiteral("it holds no lock"));
    }
    const QString host = QString::fromUtf8(lock.lines.value(2));
    if (!madeHere(lock.lines))
        return {LockVerdict::Foreign, pid, host, {}};
    const QByteArray boot = lock.lines.value(4), thisBoot = QSysInfo::bootUniqueId();
    if (!boot.isEmpty() && !thisBoot.isEmpty() && boot != thisBoot)
        return stale(QStringLiteral("it was made before this machine last started"), pid);
    // Windows gives ids out again soon: a crashed copy's may be this very start's.
    if (pid == QCoreApplication::applicationPid())
        return stale(QStringLiteral("it names this very process"), pid);
    switch (matchProcess(pid, info.lastModified().toMSecsSinceEpoch())) {
    case ProcessMatch::ThisProgram:
        return {LockVerdict::Held, pid, host, {}};
    case ProcessMatch::Gone:
        return stale(QStringLiteral("process %1 has ended").arg(pid), pid);
    case ProcessMatch::OtherProgram:
        return stale(QStringLiteral("process %1 is another program").arg(pid), pid);
    case ProcessMatch::StartedLater:
        return stale(QStringLiteral("process %1 started after it was made").arg(pid), pid);
    }
    return {};
}

qint64 lockFilePid(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isFile())
        return 0;
    return pidOf(readLock(path).lines);
}
