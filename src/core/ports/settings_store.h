// The per-user settings store: text values addressed by application, section and key.
#pragma once

#include <QString>

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or the empty text when the key is absent.
    virtual QString read(const QString& application, const QString& section,
                         const QString& key) const = 0;
    virtual void write(const QString& application, const QString& section, const QString& key,
                       const QString& text) = 0;
    // Makes every write so far durable, so an abrupt end of the process loses nothing.
    virtual void sync() = 0;
    // After sync(): why the store could not be written, naming its file; empty when it was.
    virtual QString saveFailure() const { return {}; }
};
