#include "platform/qsettings_store.h"

namespace {

QString& registryRoot() {
    static QString root = QStringLiteral("HKEY_CURRENT_USER\\Software");
    return root;
}

} // namespace

void QSettingsStore::setRegistryRoot(const QString& key) {
    registryRoot() = key;
}

QSettings& QSettingsStore::settingsFor(const QString& application) const {
    auto& slot = m_byApplication[application];
    if (!slot) {
        // Sections are groups inside the application's own place: the registry key
        // HKEY_CURRENT_USER\Software\<application> on Windows, ~/.config/<application>.conf
        // elsewhere.
#ifdef Q_OS_WIN
        slot = std::make_unique<QSettings>(registryRoot() + QLatin1Char('\\') + application,
                                           QSettings::NativeFormat);
#else
        slot =
            std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, application);
#endif
    }
    return *slot;
}

QString QSettingsStore::read(const QString& application, const QString& section,
                             const QString& key) const {
    return settingsFor(application).value(section + QLatin1Char('/') + key).toString();
}

void QSettingsStore::write(const QString& application, const QString& section, const QString& key,
                           const QString& text) {
    settingsFor(application).setValue(section + QLatin1Char('/') + key, text);
}

void QSettingsStore::sync() {
    for (auto& [application, settings] : m_byApplication)
        settings->sync();
}
