// The settings store over QSettings in the native format: the registry on Windows,
// an INI file under ~/.config on Linux.
#pragma once

#include "core/ports/settings_store.h"

#include <QSettings>
#include <QVariant>
#include <map>
#include <memory>

class QSettingsStore : public SettingsStore {
public:
    QString read(const QString& application, const QString& section,
                 const QString& key) const override;
    void write(const QString& application, const QString& section, const QString& key,
               const QString& text) override;
    // Never waits on QSettings' lock file: while another holds it the save fails with a
    // reason, and what it was to write goes with the next save.
    void sync() override;
    QString saveFailure() const override { return m_saveFailure; }

    // Where an application's settings live: a file's path, or the registry key on Windows
    // (native_settings.h). Sections are groups inside it.
    static QString location(const QString& application);

private:
    // One application's settings; keys are "section/key".
    struct Place {
        std::unique_ptr<QSettings> settings; // kept open between saves
        std::map<QString, QVariant> unsaved; // written since the last save that went through
        std::map<QString, QVariant> held;    // every value read or written: what the file holds
    };

    Place& placeFor(const QString& application) const;
    QString save(const QString& application, Place& place);
    QString writeAnew(const QString& application, Place& place);

    mutable std::map<QString, Place> m_places;
    QString m_saveFailure;
};
