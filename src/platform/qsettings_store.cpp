#include "platform/qsettings_store.h"

#include <QFileInfo>

namespace {

QString& registryRoot() {
    static QString root = QStringLiteral("HKEY_CURRENT_USER\\Software");
    return root;
}

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

// Sections are groups inside the application's own place: the registry key
// HKEY_CURRENT_USER\Software\<application> on Windows (tests use a root of their own),
// ~/.config/<application>.conf elsewhere.
std::unique_ptr<QSettings> openSettings(const QString& application) {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(registryRoot() + QLatin1Char('\\') + application,
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, application);
#endif
}

} // namespace

void QSettingsStore::setRegistryRoot(const QString& key) {
    registryRoot() = key;
}

QString QSettingsStore::location(const QString& application) {
    return openSettings(application)->fileName();
}

QSettings& QSettingsStore::settingsFor(const QString& application) const {
    auto& slot = m_byApplication[application];
    if (!slot)
        slot = openSettings(application);
    return *slot;
}

QString QSettingsStore::read(const QString& application, const QString& section,
                             const QString& key) const {
    const QVariant value = settingsFor(application).value(section + QLatin1Char('/') + key);
    // An unquoted text with commas, as a hand-edited file may hold, reads as a list: keep it
    // as the text it was rather than losing it.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void QSettingsStore::write(const QString& application, const QString& section, const QString& key,
                           const QString& text) {
    settingsFor(application).setValue(section + QLatin1Char('/') + key, text);
}

void QSettingsStore::sync() {
    m_saveFailure.clear();
    for (auto& [application, settings] : m_byApplication) {
        if (!settings)
            continue;
        settings->sync();
        if (settings->status() == QSettings::NoError)
            continue;
        const QString fileName = settings->fileName();
        m_saveFailure =
            settings->status() == QSettings::FormatError
                ? QStringLiteral("%1 holds text that is not a settings file").arg(fileName)
                : QStringLiteral("%1 could not be saved: %2")
                      .arg(fileName, whyNotWritten(fileName));
        // QSettings keeps an error once it has one; a fresh object tries afresh next time, and
        // every save point writes its whole list again.
        settings.reset();
    }
}
