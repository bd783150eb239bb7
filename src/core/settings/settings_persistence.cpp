#include "core/settings/settings_persistence.h"

#include "core/lessons/sentence_id.h"
#include "core/logging.h"
#include "core/ports/settings_store.h"
#include "core/settings/settings_record.h"
#include "core/settings/stored_text.h"

#include <algorithm>

namespace {

struct IntegerKey {
    const char* name;
    int16_t SettingsRecord::*field;
    int16_t firstRunDefault;
    int16_t lowest;
    int16_t highest;
};

// Keys with no range of their own take any 16-bit value.
constexpr int16_t kMin = -32768;
constexpr int16_t kMax = 32767;

// In load order; the ranges are those the settings dialog can show and playback can use.
const IntegerKey kIntegerKeys[] = {
    {"ce", &SettingsRecord::frenchFirst, 1, kMin, kMax},
    {"n", &SettingsRecord::playsPerSentence, 2, 1, 12},
    {"ctime", &SettingsRecord::englishSeconds, 3, 3, 15},
    {"etime", &SettingsRecord::frenchSeconds, 5, 5, 15},
    {"rd", &SettingsRecord::inSequence, 0, kMin, kMax},
    {"psave", &SettingsRecord::savePositionOnExit, 1, kMin, kMax},
    {"ssave", &SettingsRecord::saveSettings, 1, kMin, kMax},
    {"visi", &SettingsRecord::autoHide, 0, kMin, kMax},
    {"voice", &SettingsRecord::readAloud, 1, kMin, kMax},
    {"guage", &SettingsRecord::topic, 1, 0, SentenceId::kNamedTopics},
    {"guagen", &SettingsRecord::sequencePosition, 11000, kMin, kMax},
    {"red", &SettingsRecord::storedRed, 0, kMin, kMax},
    {"mark", &SettingsRecord::startWithLogin, 0, kMin, kMax},
};
const IntegerKey kSspeed = {"sspeed", &SettingsRecord::storedSpeed, 150, kMin, kMax};

QString read(const SettingsStore& store, const char* key) {
    return store.read(kSettingsApplication, kSettingsSection, QLatin1String(key));
}

void write(SettingsStore& store, const char* key, const QString& text) {
    store.write(kSettingsApplication, kSettingsSection, QLatin1String(key), text);
}

// Writes a key and remembers it as what the store holds.
void keep(SettingsStore& store, const char* key, const QString& text) {
    Settings.storeTexts.insert(QLatin1String(key), text);
    write(store, key, text);
}

void keepInteger(SettingsStore& store, const char* key, int16_t value) {
    keep(store, key, textFromInteger(value));
}

void loadInteger(const SettingsStore& store, const IntegerKey& key) {
    const int16_t value = integerFromText(read(store, key.name)).value_or(key.firstRunDefault);
    Settings.*key.field = std::clamp(value, key.lowest, key.highest);
}

float firstRunLeft(float screenWidthTwips) {
    return screenWidthTwips / 2.0f - 2000.0f;
}

using KeyTexts = QList<std::pair<const char*, QString>>;

// Every key with its first-run text: the integer keys in table order, then the marker, the bar
// position and "sspeed".
KeyTexts firstRunTexts(float screenWidthTwips) {
    KeyTexts texts;
    for (const IntegerKey& key : kIntegerKeys)
        texts.append({key.name, textFromInteger(key.firstRunDefault)});
    texts.append({"xxx", QStringLiteral("1")});
    texts.append({"left", textFromSingle(firstRunLeft(screenWidthTwips))});
    texts.append({kSspeed.name, textFromInteger(kSspeed.firstRunDefault)});
    return texts;
}

// Without the marker only the keys the store lacks get their defaults: on a first run that is
// every key, while a store that lost its marker alone keeps the learner's settings.
void writeMissingDefaults(SettingsStore& store, const KeyTexts& texts) {
    for (const auto& [key, text] : texts)
        if (read(store, key).isEmpty())
            write(store, key, text);
    store.sync();
    // The defaults still hold in memory; the learner hears of it here, not from a window.
    const QString failure = store.saveFailure();
    if (!failure.isEmpty())
        qCWarning(lcSettings).noquote() << failure;
}

} // namespace

float loadSettings(SettingsStore& store, float screenWidthTwips) {
    const auto defaults = firstRunTexts(screenWidthTwips);
    Settings.firstRunMarker = read(store, "xxx");
    if (Settings.firstRunMarker.isEmpty())
        writeMissingDefaults(store, defaults);

    // A first run reads back what it has just written, like every later run.
    for (const IntegerKey& key : kIntegerKeys)
        loadInteger(store, key);
    Settings.firstRunMarker = read(store, "xxx");
    const float left = singleFromText(read(store, "left")).value_or(firstRunLeft(screenWidthTwips));
    loadInteger(store, kSspeed);
    // Each key as it is: a hand-edited text that does not convert is written back as it was, and
    // a key the store lacks stays out of it, as it would without a save.
    Settings.storeTexts.clear();
    for (const auto& entry : defaults) {
        const QString stored = read(store, entry.first);
        if (!stored.isEmpty())
            Settings.storeTexts.insert(QLatin1String(entry.first), stored);
    }
    return left;
}

QString saveDialogSettings(SettingsStore& store) {
    keepInteger(store, "ce", Settings.frenchFirst);
    keepInteger(store, "n", Settings.playsPerSentence);
    keepInteger(store, "ctime", Settings.englishSeconds);
    keepInteger(store, "etime", Settings.frenchSeconds);
    keepInteger(store, "rd", Settings.inSequence);
    keepInteger(store, "psave", Settings.savePositionOnExit);
    keepInteger(store, "ssave", Settings.saveSettings);
    keepInteger(store, "visi", Settings.autoHide);
    keepInteger(store, "guage", Settings.topic);
    keepInteger(store, "red", Settings.storedRed);
    keepInteger(store, "mark", Settings.startWithLogin);
    keep(store, "xxx", QStringLiteral("1"));
    keepInteger(store, kSspeed.name, Settings.storedSpeed);
    store.sync();
    return store.saveFailure();
}

QString saveExitSettings(SettingsStore& store, float barLeftTwips) {
    QStringList written = {QStringLiteral("voice"), QStringLiteral("left")};
    keepInteger(store, "voice", Settings.readAloud);
    keep(store, "left", textFromSingle(barLeftTwips));
    if (Settings.savePositionOnExit == 1 && Settings.inSequence == 1) {
        keepInteger(store, "guagen", Settings.sequencePosition);
        written << QStringLiteral("guagen");
    }
    // Then every other key as the store is to hold it: one emptied or cut short while the
    // program ran gets back all it held, and the next start finds no first run.
    for (const auto& entry : firstRunTexts(0.0f)) {
        const QString key = QLatin1String(entry.first);
        const auto text = Settings.storeTexts.constFind(key);
        if (text != Settings.storeTexts.cend() && !written.contains(key))
            write(store, entry.first, *text);
    }
    store.sync();
    return store.saveFailure();
}
