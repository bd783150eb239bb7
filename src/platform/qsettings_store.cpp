#include "platform/qsettings_store.h"

QSettings& QSettingsStore::settingsFor(const QString& application) const {
    auto& slot = m_byApplication[application];
    if (!slot) {
        // Sections are groups inside the application's own place: the registry key
        // HKEY_CURRENT_USER\Software\<application> on Windows, ~/.config/<application>.conf
        // elsewhere.
#ifdef Q_OS_WIN
        slot = std::make_unique<QSettings>(
            QStringLiteral("HKEY_CURRENT_USER\\Software\\") + application, QSettings::NativeFormat);
#else
        slot =
            std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, application);
#endif
    }
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
    for (auto& [application, settings] : m_byApplication)
        settings->sync();
}
