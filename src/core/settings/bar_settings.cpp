#include "core/settings/bar_settings.h"

#include "core/logging.h"
#include "core/ports/settings_store.h"
#include "core/settings/settings_keys.h"

int readBarChoice(const SettingsStore& store, const BarKeys::Choice& choice) {
    const QString text = readBarText(store, choice.key).trimmed();
    if (text.isEmpty())
        return 0;
    bool number = false;
    const int value = text.toInt(&number);
    if (number && value >= 0 && value <= choice.last)
        return value;
    qCWarning(lcSettings).noquote()
        << QStringLiteral("the stored [%1] %2=%3 is not one of 0 to %4: %2 is 0")
               .arg(QLatin1String(BarKeys::kSection), QLatin1String(choice.key), text)
               .arg(choice.last);
    return 0;
}

void writeBarChoice(SettingsStore& store, const BarKeys::Choice& choice, int value) {
    writeBarText(store, choice.key, QString::number(value));
}

QString readBarText(const SettingsStore& store, const char* key) {
    return store.read(QLatin1String(kSettingsApplication), QLatin1String(BarKeys::kSection),
                      QLatin1String(key));
}

void writeBarText(SettingsStore& store, const char* key, const QString& text) {
    store.write(QLatin1String(kSettingsApplication), QLatin1String(BarKeys::kSection),
                QLatin1String(key), text);
    store.sync();
}
