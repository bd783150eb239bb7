// The learner's settings as the program holds them while it runs; settings_persistence maps
// each field to its stored key.
#pragma once

#include <QMap>
#include <QString>
#include <cstdint>

// Integers are 16-bit, as the stored values are, so that out-of-range arithmetic behaves alike.
struct SettingsRecord {
    int16_t frenchFirst = 0;        // 1: French first, anything else: English first
    int16_t playsPerSentence = 0;   // plays of a sentence before the next one
    int16_t englishSeconds = 0;     // seconds the English line is shown
    int16_t frenchSeconds = 0;      // seconds the French line is shown
    int16_t inSequence = 0;         // 0: at random, otherwise in sequence
    int16_t savePositionOnExit = 0; // "Save schedule while exit"
    int16_t saveSettings = 0;       // "Save setting while exit"
    int16_t autoHide = 0;           // "Auto Hide"
    int16_t readAloud = 0;          // 1: the character reads the French aloud
    int16_t topic = 0;              // 0: every topic ("Entire"), else one topic number
    int16_t sequencePosition = 0;   // French id the sequence shows next
    int16_t storedRed = 0;          // kept for the store only
    int16_t startWithLogin = 0;     // "Start with windows start"
    int16_t storedSpeed = 0;        // kept for the store only
    QString firstRunMarker;         // empty until the store has been initialised
    // Each key's text as the store is to hold it: what the load found, changed only by the save
    // lists. Exit writes it all back.
    QMap<QString, QString> storeTexts;
};

// The one record of the running program, read and written by playback, the selector and the
// settings dialog.
extern SettingsRecord Settings;
