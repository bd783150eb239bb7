#include "platform/instance_lock_path.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace {

// The store's path spelled one way, whatever symbolic links or "." led to it.
QString canonicalStorePath(const QString& storePath) {
    const QFileInfo store(storePath);
    const QString folder = QFileInfo(store.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? store.absolutePath() : folder) + QLatin1Char('/') + store.fileName();
}

bool isRegistryKey(const QString& location) {
    return location.startsWith(QLatin1String("\\HKEY_")) ||
           location.startsWith(QLatin1String("HKEY_"));
}

} // namespace

QString lockPathFor(const QString& storeLocation) {
    // Under a name of its own: QSettings keeps "<store>.lock" for itself.
    const QString suffix = QStringLiteral(".instance.lock");
    if (!isRegistryKey(storeLocation))
        return canonicalStorePath(storeLocation) + suffix;
    // "\HKEY_CURRENT_USER\Software\Vesk" gives "Software-Vesk.instance.lock".
    QStringList key = storeLocation.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    key.removeFirst();
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QLatin1Char('/') + key.join(QLatin1Char('-')) + suffix;
}
