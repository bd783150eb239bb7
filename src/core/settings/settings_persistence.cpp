#include "core/settings/settings_persistence.h"

#include "core/logging.h"
#include "core/ports/settings_store.h"
#include "core/settings/settings_record.h"
#include "core/settings/stored_text.h"

#include <algorithm>

namespace {

QString read(const SettingsStore& store, const char* key) {
    return store.read(kSettingsApplication, kSettingsSection, QLatin1String(key));
}

void write(SettingsStore& store, const char* key, const QString& text) {
    store.write(kSettingsApplication, kSettingsSection, QLatin1String(key), text);
}

float firstRunLeft(float screenWidthTwips) {
    return screenWidthTwips / 2.0f - 2000.0f;
}

QString firstRunText(const FrenchKey& key, float screenWidthTwips) {
    if (key.text == KeyText::BarLeft)
        return textFromSingle(firstRunLeft(screenWidthTwips));
    return textFromInteger(key.firstRunDefault);
}

// What a save writes for a key: the field, the marker's one text, or where the bar stands.
QString currentText(const FrenchKey& key, const SettingsRecord& settings, float barLeftTwips) {
    switch (key.text) {
    case KeyText::Integer:
        return textFromInteger(settings.*key.field);
    case KeyText::Marker:
        return textFromInteger(key.firstRunDefault);
    case KeyText::BarLeft:
        return textFromSingle(barLeftTwips);
    }
    return {};
}

// Writes a key and remembers it as what the store holds.
void keep(SettingsStore& store, SettingsRecord& settings, const FrenchKey& key,
          const QString& text) {
    settings.storeTexts.insert(QLatin1String(key.name), text);
    write(store, key.name, text);
}

void loadInteger(const SettingsStore& store, SettingsRecord& settings, const FrenchKey& key) {
    const int16_t value = integerFromText(read(store, key.name)).value_or(key.firstRunDefault);
    settings.*key.field = std::clamp(value, key.lowest, key.highest);
}

// Without the marker only the keys the store lacks get their defaults: on a first run that is
// every key, while a store that lost its marker alone keeps the learner's settings.
void writeMissingDefaults(SettingsStore& store, float screenWidthTwips) {
    for (const FrenchKey& key : kFrenchKeys)
        if (read(store, key.name).isEmpty())
            write(store, key.name, firstRunText(key, screenWidthTwips));
    store.sync();
    // The defaults still hold in memory; the learner hears of it here, not from a window.
    const QString failure = store.saveFailure();
    if (!failure.isEmpty())
        qCWarning(lcSettings).noquote() << failure;
}

} // namespace

float loadSettings(SettingsStore& store, SettingsRecord& settings, float screenWidthTwips) {
    if (read(store, "xxx").isEmpty())
        writeMissingDefaults(store, screenWidthTwips);

    // A first run reads back what it has just written, like every later run.
    float left = firstRunLeft(screenWidthTwips);
    for (const FrenchKey& key : kFrenchKeys) {
        switch (key.text) {
        case KeyText::Integer:
            loadInteger(store, settings, key);
            break;
        case KeyText::Marker:
            settings.firstRunMarker = read(store, key.name);
            break;
        case KeyText::BarLeft:
            left = singleFromText(read(store, key.name)).value_or(left);
            break;
        }
    }
    // Each key as it is: a hand-edited text that does not convert is written back as it was, and
    // a key the store lacks stays out of it, as it would without a save.
    settings.storeTexts.clear();
    for (const FrenchKey& key : kFrenchKeys) {
        const QString stored = read(store, key.name);
        if (!stored.isEmpty())
            settings.storeTexts.insert(QLatin1String(key.name), stored);
    }
    return left;
}

QString saveDialogSettings(SettingsStore& store, SettingsRecord& settings) {
    for (const FrenchKey& key : kFrenchKeys)
        if (key.savedBy == SavedBy::Dialog)
            keep(store, settings, key, currentText(key, settings, 0.0f));
    store.sync();
    return store.saveFailure();
}

QString saveExitSettings(SettingsStore& store, SettingsRecord& settings, float barLeftTwips) {
    QStringList written;
    const auto keepAll = [&](SavedBy list) {
        for (const FrenchKey& key : kFrenchKeys) {
            if (key.savedBy == list) {
                keep(store, settings, key, currentText(key, settings, barLeftTwips));
                written << QLatin1String(key.name);
            }
        }
    };
    keepAll(SavedBy::Exit);
    if (settings.savesPositionAtExit())
        keepAll(SavedBy::ExitKeepingPosition);
    // Then every other key as the store is to hold it: one emptied or cut short while the
    // program ran gets back all it held, and the next start finds no first run.
    for (const FrenchKey& key : kFrenchKeys) {
        const QString name = QLatin1String(key.name);
        const auto text = settings.storeTexts.constFind(name);
        if (text != settings.storeTexts.cend() && !written.contains(name))
            write(store, key.name, *text);
    }
    store.sync();
    return store.saveFailure();
}
