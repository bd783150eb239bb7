#include "platform/qsettings_store.h"

QSettings& QSettingsStore::settingsFor(const QString& application) const {
    auto& slot = m_byApplication[application];
    if (!slot) {
        // The application name is the top-level folder (Windows: HKCU\Software\<application>,
        // Linux: ~/.config/<application>.conf); sections are groups inside it.
        slot =
            std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, application);
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
