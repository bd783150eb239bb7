#include "platform/qsettings_store.h"

#include "core/logging.h"
#include "platform/native_settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

namespace {

// Long enough for another program's save to finish, short enough not to freeze the bar.
constexpr int kLockWaitMs = 200;

// QSettings says only that it could not write; the file and its folder usually tell why.
QString whyNotWritten(const QString& fileName) {
    const QFileInfo file(fileName);
    const QFileInfo folder(file.absolutePath());
    if (file.isDir())
        return QStringLiteral("a folder of that name is in the way");
    if (!folder.exists())
        return QStringLiteral("its folder does not exist and cannot be made");
    if (!folder.isWritable())
        return QStringLiteral("its folder is read-only");
    if (file.exists() && !file.isWritable())
        return QStringLiteral("the file is read-only");
    return QStringLiteral("writing it failed (is the disk full?)");
}

// QSettings writes a file only while holding the lock file beside it, and waits for that lock
// without limit: behind a folder in its place, or a lock some hung program keeps fresh, the whole
// program would freeze. Empty when the lock is free (or one QSettings cannot take at all, which
// its write then reports), else why it is not.
QString lockInTheWay(const QString& fileName) {
    const QString lockName = fileName + QStringLiteral(".lock");
    QLockFile lock(lockName); // freed as it goes, for QSettings to take
    if (lock.tryLock(kLockWaitMs) || lock.error() != QLockFile::LockFailedError)
        return {};
    if (QFileInfo(lockName).isDir())
        return QStringLiteral("a folder is in the place of its lock file %1").arg(lockName);
    qint64 pid = 0;
    QString host;
    QString program;
    if (!lock.getLockInfo(&pid, &host, &program))
        return QStringLiteral("its lock file %1 is held by another program").arg(lockName);
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return QStringLiteral("its lock file %1 is held by process %2 on %3")
            .arg(lockName)
            .arg(pid)
            .arg(host);
    if (pid == QCoreApplication::applicationPid())
        return QStringLiteral("its lock file %1 names this very process").arg(lockName);
    return QStringLiteral("its lock file %1 is held by process %2").arg(lockName).arg(pid);
}

// An unquoted text with commas, as a hand-edited file may hold, reads as a list: keep it as the
// text it was rather than losing it.
QString textOf(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

} // namespace

QString QSettingsStore::location(const QString& application) {
    return openNativeSettings(application)->fileName();
}

QSettingsStore::Place& QSettingsStore::placeFor(const QString& application) const {
    Place& place = m_places[application];
    if (!place.settings)
        place.settings = openNativeSettings(application);
    return place;
}

QString QSettingsStore::read(const QString& application, const QString& section,
                             const QString& key) const {
    Place& place = placeFor(application);
    const QString path = section + QLatin1Char('/') + key;
    const auto unsaved = place.unsaved.find(path);
    const QVariant value =
        unsaved != place.unsaved.end() ? unsaved->second : place.settings->value(path);
    const QString text = textOf(value);
    if (!text.isEmpty())
        place.held[path] = value;
    return text;
}

// Values reach QSettings only when they are written out at once: left pending there, they would
// go out from the event loop behind the very lock a save could not take.
void QSettingsStore::write(const QString& application, const QString& section, const QString& key,
                           const QString& text) {
    Place& place = placeFor(application);
    const QString path = section + QLatin1Char('/') + key;
    place.unsaved[path] = text;
    place.held[path] = text;
}

void QSettingsStore::sync() {
    m_saveFailure.clear();
    for (auto& [application, place] : m_places) {
        const QString failure = save(application, place);
        if (!failure.isEmpty())
            m_saveFailure = failure;
    }
}

QString QSettingsStore::save(const QString& application, Place& place) {
    // A second round puts back what another writer took out of the file (emptied it, or cut it
    // short while rewriting it in place) since this program read or wrote it.
    for (int round = 0; round < 2 && !place.unsaved.empty(); ++round) {
        QSettings& settings = *placeFor(application).settings;
        const QString fileName = settings.fileName();
        if (nativeSettingsInAFile()) {
            const QString lock = lockInTheWay(fileName);
            if (!lock.isEmpty())
                return QStringLiteral("%1 could not be saved: %2; the next save tries again")
                    .arg(fileName, lock);
        }
        for (const auto& [path, value] : place.unsaved)
            settings.setValue(path, value);
        settings.sync();
        if (settings.status() == QSettings::FormatError)
            return writeAnew(application, place);
        if (settings.status() != QSettings::NoError) {
            // QSettings keeps an error once it has one; a fresh object tries afresh at the next
            // save, with all that is still unsaved.
            place.settings.reset();
            return QStringLiteral("%1 could not be saved: %2")
                .arg(fileName, whyNotWritten(fileName));
        }
        place.unsaved.clear();
        for (const auto& [path, value] : place.held)
            if (settings.value(path) != value)
                place.unsaved[path] = value;
    }
    return {};
}

// QSettings keeps what it could not read and writes it back, re-encoded, beside this program's
// keys; such a file is made anew with only what this program holds.
QString QSettingsStore::writeAnew(const QString& application, Place& place) {
    const QString fileName = place.settings->fileName();
    place.settings.reset();
    QFile::remove(fileName);
    QSettings& settings = *placeFor(application).settings;
    for (const auto& [path, value] : place.held)
        settings.setValue(path, value);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        place.settings.reset();
        return QStringLiteral("%1 holds text that is not a settings file and could not be saved: "
                              "%2")
            .arg(fileName, whyNotWritten(fileName));
    }
    place.unsaved.clear();
    // Saved after all: a line to say so, no failure.
    qCWarning(lcSettings).noquote()
        << QStringLiteral("%1 holds text that is not a settings file; it is written anew with "
                          "the settings this program holds")
               .arg(fileName);
    return {};
}
