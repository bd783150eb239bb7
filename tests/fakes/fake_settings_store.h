// An in-memory settings store that remembers every write in order.
#pragma once

#include "core/ports/settings_store.h"
#include "core/settings/settings_keys.h"

#include <QMap>
#include <QStringList>

class FakeSettingsStore : public SettingsStore {
public:
    QString read(const QString& application, const QString& section,
                 const QString& key) const override {
        return values.value(path(application, section, key));
    }
    void write(const QString& application, const QString& section, const QString& key,
               const QString& text) override {
        values[path(application, section, key)] = text;
        writes << key + QLatin1Char('=') + text;
        unsynced = true;
    }
    void sync() override { unsynced = false; }
    QString saveFailure() const override { return failure; }

    // Seeds a value of the program's own section without recording a write.
    void seed(const QString& key, const QString& text) {
        values[path(QLatin1String(kSettingsApplication), QLatin1String(kSettingsSection), key)] =
            text;
    }

    QMap<QString, QString> values;
    QStringList writes; // "key=text", in the order written
    bool unsynced = false;
    QString failure; // what saveFailure() says after every sync

private:
    static QString path(const QString& application, const QString& section, const QString& key) {
        return application + QLatin1Char('/') + section + QLatin1Char('/') + key;
    }
};
