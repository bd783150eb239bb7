#include "app/settings_persistence.h"

#include "app/module1.h"
#include "app/stored_text.h"
#include "platform/settings_store.h"

#include <algorithm>
#include <cstdio>

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
    {"ce", &SettingsRecord::ce, 1, kMin, kMax},
    {"n", &SettingsRecord::n, 2, 1, 12},
    {"ctime", &SettingsRecord::ctime, 3, 3, 15},
    {"etime", &SettingsRecord::etime, 5, 5, 15},
    {"rd", &SettingsRecord::rd, 0, kMin, kMax},
    {"psave", &SettingsRecord::psave, 1, kMin, kMax},
    {"ssave", &SettingsRecord::ssave, 1, kMin, kMax},
    {"visi", &SettingsRecord::visi, 0, kMin, kMax},
    {"voice", &SettingsRecord::voice, 1, kMin, kMax},
    {"guage", &SettingsRecord::guage, 1, 0, 21},
    {"guagen", &SettingsRecord::guagen, 11000, kMin, kMax},
    {"red", &SettingsRecord::red, 0, kMin, kMax},
    {"mark", &SettingsRecord::mark, 0, kMin, kMax},
};
const IntegerKey kSspeed = {"sspeed", &SettingsRecord::sspeed, 150, kMin, kMax};

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
        std::fprintf(stderr, "dorvane: %s\n", qPrintable(failure));
}

} // namespace

float LoadSettings(SettingsStore& store, float screenWidthTwips) {
    Settings.xxx = read(store, "xxx");
    if (Settings.xxx.isEmpty())
        writeFirstRunDefaults(store, screenWidthTwips);

    // A first run reads back what it has just written, like every later run.
    for (const IntegerKey& key : kIntegerKeys)
        loadInteger(store, key);
    Settings.xxx = read(store, "xxx");
    const float left = singleFromText(read(store, "left")).value_or(firstRunLeft(screenWidthTwips));
    loadInteger(store, kSspeed);
    return left;
}

QString SaveDialogSettings(SettingsStore& store) {
    writeInteger(store, "ce", Settings.ce);
    writeInteger(store, "n", Settings.n);
    writeInteger(store, "ctime", Settings.ctime);
    writeInteger(store, "etime", Settings.etime);
    writeInteger(store, "rd", Settings.rd);
    writeInteger(store, "psave", Settings.psave);
    writeInteger(store, "ssave", Settings.ssave);
    writeInteger(store, "visi", Settings.visi);
    writeInteger(store, "guage", Settings.guage);
    writeInteger(store, "red", Settings.red);
    writeInteger(store, "mark", Settings.mark);
    write(store, "xxx", QStringLiteral("1"));
    writeInteger(store, "sspeed", Settings.sspeed);
    store.sync();
    return store.saveFailure();
}

QString SaveExitSettings(SettingsStore& store, float barLeftTwips) {
    writeInteger(store, "voice", Settings.voice);
    write(store, "left", textFromSingle(barLeftTwips));
    if (Settings.psave == 1 && Settings.rd == 1)
        writeInteger(store, "guagen", Settings.guagen);
    store.sync();
    return store.saveFailure();
}
