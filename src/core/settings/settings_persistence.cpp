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

void writeInteger(SettingsStore& store, const char* key, int16_t value) {
    write(store, key, textFromInteger(value));
}

void loadInteger(const SettingsStore& store, const IntegerKey& key) {
    const int16_t value = integerFromText(read(store, key.name)).value_or(key.firstRunDefault);
    Settings.*key.field = std::clamp(value, key.lowest, key.highest);
}

float firstRunLeft(float screenWidthTwips) {
    return screenWidthTwips / 2.0f - 2000.0f;
}

void writeFirstRunDefaults(SettingsStore& store, float screenWidthTwips) {
    // The integer keys in table order, then the marker, the bar position and "sspeed".
    for (const IntegerKey& key : kIntegerKeys)
        writeInteger(store, key.name, key.firstRunDefault);
    write(store, "xxx", QStringLiteral("1"));
    write(store, "left", textFromSingle(firstRunLeft(screenWidthTwips)));
    writeInteger(store, kSspeed.name, kSspeed.firstRunDefault);
    store.sync();
    // The defaults still hold in memory; the learner hears of it here, not from a window.
    const QString failure = store.saveFailure();
    if (!failure.isEmpty())
        qCWarning(lcSettings).noquote() << failure;
}

} // namespace

float loadSettings(SettingsStore& store, float screenWidthTwips) {
    Settings.firstRunMarker = read(store, "xxx");
    if (Settings.firstRunMarker.isEmpty())
        writeFirstRunDefaults(store, screenWidthTwips);

    // A first run reads back what it has just written, like every later run.
    for (const IntegerKey& key : kIntegerKeys)
        loadInteger(store, key);
    Settings.firstRunMarker = read(store, "xxx");
    const float left = singleFromText(read(store, "left")).value_or(firstRunLeft(screenWidthTwips));
    loadInteger(store, kSspeed);
    return left;
}

QString saveDialogSettings(SettingsStore& store) {
    writeInteger(store, "ce", Settings.frenchFirst);
    writeInteger(store, "n", Settings.playsPerSentence);
    writeInteger(store, "ctime", Settings.englishSeconds);
    writeInteger(store, "etime", Settings.frenchSeconds);
    writeInteger(store, "rd", Settings.inSequence);
    writeInteger(store, "psave", Settings.savePositionOnExit);
    writeInteger(store, "ssave", Settings.saveSettings);
    writeInteger(store, "visi", Settings.autoHide);
    writeInteger(store, "guage", Settings.topic);
    writeInteger(store, "red", Settings.storedRed);
    writeInteger(store, "mark", Settings.startWithLogin);
    write(store, "xxx", QStringLiteral("1"));
    writeInteger(store, "sspeed", Settings.storedSpeed);
    store.sync();
    return store.saveFailure();
}

QString saveExitSettings(SettingsStore& store, float barLeftTwips) {
    writeInteger(store, "voice", Settings.readAloud);
    write(store, "left", textFromSingle(barLeftTwips));
    if (Settings.savePositionOnExit == 1 && Settings.inSequence == 1)
        writeInteger(store, "guagen", Settings.sequencePosition);
    store.sync();
    return store.saveFailure();
}
