// The learner's settings as the program holds them while it runs; settings_keys maps each field
// to its stored key. The program builds one record at start-up and hands it to those who read
// or change it.
#pragma once

#include <QMap>
#include <QString>
#include <cstdint>

// Integers are 16-bit, as the stored values are, so that out-of-range arithmetic behaves alike.
// A stored value may be any 16-bit number; the rules below say what each one means, so that no
// reader has to.
struct SettingsRecord {
    int16_t frenchFirst = 0;        // "ce"
    int16_t playsPerSentence = 0;   // plays of a sentence before the next one
    int16_t englishSeconds = 0;     // seconds the English line is shown
    int16_t frenchSeconds = 0;      // seconds the French line is shown
    int16_t inSequence = 0;         // "rd"
    int16_t savePositionOnExit = 0; // "Save schedule while exit"
    int16_t saveSettings = 0;       // "Save setting while exit"
    int16_t autoHide = 0;           // "Auto Hide"
    int16_t readAloud = 0;          // "voice"
    int16_t topic = 0;              // 0: every topic ("Entire"), else one topic number
    int16_t sequencePosition = 0;   // French id the sequence shows next
    int16_t storedRed = 0;          // kept for the store only
    int16_t startWithLogin = 0;     // "Start with windows start"
    int16_t storedSpeed = 0;        // kept for the store only
    QString firstRunMarker;         // empty until the store has been initialised
    // Each key's text as the store is to hold it: what the load found, changed only by the save
    // lists. Exit writes it all back.
    QMap<QString, QString> storeTexts;

    // Only 1 puts the French first; any other value, the English.
    bool frenchComesFirst() const { return frenchFirst == 1; }
    // Any value but 0 walks the sentences in sequence; 0 draws them at random.
    bool playsInSequence() const { return inSequence != 0; }
    // Any value but 0 plays one topic; 0 plays every topic.
    bool playsOneTopic() const { return topic != 0; }
    // Only 1 has the character read each French sentence aloud.
    bool readsAloud() const { return readAloud == 1; }
    // Any value but 0 lets the bar collapse when the pointer leaves it.
    bool autoHides() const { return autoHide != 0; }
    // Any value but 0 has the settings dialog store the settings when it closes.
    bool dialogSavesSettings() const { return saveSettings != 0; }
    // Exit keeps the sequence position only with both switches at exactly 1: a sequence stored
    // as 2 plays in sequence but does not keep its place.
    bool savesPositionAtExit() const { return savePositionOnExit == 1 && inSequence == 1; }

    enum class LoginEntry { Add, Remove, Leave };
    // 1 adds the start-with-login entry, 0 removes it, and any other value leaves it as it is.
    LoginEntry loginEntry() const {
        if (startWithLogin == 1)
            return LoginEntry::Add;
        return startWithLogin == 0 ? LoginEntry::Remove : LoginEntry::Leave;
    }
};
