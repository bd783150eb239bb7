// The settings store over QSettings in the native format: the registry on Windows,
// an INI file under ~/.config on Linux.
#pragma once

#include "core/ports/settings_store.h"

#include <QSettings>
#include <map>
#include <memory>

class QSettingsStore : public SettingsStore {
public:
    QString read(const QString& application, const QString& section,
                 const QString& key) const override;
    void write(const QString& application, const QString& section, const QString& key,
               const QString& text) override;
    void sync() override;
    QString saveFailure() const override { return m_saveFailure; }

    // Where an application's settings live: a file's path, or the registry key on Windows.
    static QString location(const QString& application);

    // Windows: the registry key that holds every application's key, HKEY_CURRENT_USER\Software
    // unless changed. Test programs point it at a key of their own before any store is used.
    static void setRegistryRoot(const QString& key);

private:
    QSettings& settingsFor(const QString& application) const;

    // One QSettings per application name, kept open so writes are batched until sync().
    mutable std::map<QString, std::unique_ptr<QSettings>> m_byApplication;
    QString m_saveFailure;
};
