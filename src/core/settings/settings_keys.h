// Every stored key of the program, one table per settings group: what a key is called, which
// field holds it, its first-run default and range, and which save writes it. Loading, both
// save lists of [French] and the settings dialog's ranges all read these tables.
#pragma once

#include "core/lessons/sentence_id.h"
#include "core/settings/settings_record.h"

#include <QtGlobal>
#include <cstdint>

// Where every group lives in the store.
inline constexpr const char* kSettingsApplication = "Vesk";
inline constexpr const char* kSettingsSection = "French";

// How a [French] key's text is made and read.
enum class KeyText : uint8_t {
    Integer, // a 16-bit field as decimal text
    Marker,  // the first-run marker, always written as its default
    BarLeft, // the bar's left edge in twips, a single-precision number with no field
};

// The one save that writes a key; Exit writes back every other key as the load found it.
enum class SavedBy : uint8_t {
    Dialog,              // the settings dialog closing with "Save setting while exit"
    Exit,                // Exit, always
    ExitKeepingPosition, // Exit, after the others, when the sequence position is kept
};

struct FrenchKey {
    const char* name;
    KeyText text;
    int16_t SettingsRecord::*field; // Integer keys only
    int16_t firstRunDefault;        // "left" has none of its own: it follows the screen
    int16_t lowest;                 // a loaded value is brought into [lowest, highest]
    int16_t highest;
    SavedBy savedBy;
};

inline constexpr int16_t kLastTopic = SentenceId::kNamedTopics; // the last one a learner can choose

// In the order of the first-run write, which is also the order of the load and of each save.
// The ranges are those the settings dialog can show and playback can use; a key with no range
// of its own takes any 16-bit value.
inline constexpr FrenchKey kFrenchKeys[] = {
    // clang-format off
    {"ce",     KeyText::Integer, &SettingsRecord::frenchFirst,        1,     INT16_MIN, INT16_MAX,  SavedBy::Dialog},
    {"n",      KeyText::Integer, &SettingsRecord::playsPerSentence,   2,     1,         12,         SavedBy::Dialog},
    {"ctime",  KeyText::Integer, &SettingsRecord::englishSeconds,     3,     3,         15,         SavedBy::Dialog},
    {"etime",  KeyText::Integer, &SettingsRecord::frenchSeconds,      5,     5,         15,         SavedBy::Dialog},
    {"rd",     KeyText::Integer, &SettingsRecord::inSequence,         0,     INT16_MIN, INT16_MAX,  SavedBy::Dialog},
    {"psave",  KeyText::Integer, &SettingsRecord::savePositionOnExit, 1,     INT16_MIN, INT16_MAX,  SavedBy::Dialog},
    {"ssave",  KeyText::Integer, &SettingsRecord::saveSettings,       1,     INT16_MIN, INT16_MAX,  SavedBy::Dialog},
    {"visi",   KeyText::Integer, &SettingsRecord::autoHide,           0,     INT16_MIN, INT16_MAX,  SavedBy::Dialog},
    {"voice",  KeyText::Integer, &SettingsRecord::readAloud,          1,     INT16_MIN, INT16_MAX,  SavedBy::Exit},
    {"guage",  KeyText::Integer, &SettingsRecord::topic,              1,     0,         kLastTopic, SavedBy::Dialog},
    {"guagen", KeyText::Integer, &SettingsRecord::sequencePosition,   11000, INT16_MIN, INT16_MAX,  SavedBy::ExitKeepingPosition},
    {"red",    KeyText::Integer, &SettingsRecord::storedRed,          0,     INT16_MIN, INT16_MAX,  SavedBy::Dialog},
    {"mark",   KeyText::Integer, &SettingsRecord::startWithLogin,     0,     INT16_MIN, INT16_MAX,  SavedBy::Dialog},
    {"xxx",    KeyText::Marker,  nullptr,                             1,     INT16_MIN, INT16_MAX,  SavedBy::Dialog},
    {"left",   KeyText::BarLeft, nullptr,                             0,     INT16_MIN, INT16_MAX,  SavedBy::Exit},
    {"sspeed", KeyText::Integer, &SettingsRecord::storedSpeed,        150,   INT16_MIN, INT16_MAX,  SavedBy::Dialog},
    // clang-format on
};

// The row of an Integer key's field.
inline const FrenchKey& frenchKey(int16_t SettingsRecord::*field) {
    for (const FrenchKey& key : kFrenchKeys)
        if (key.field == field)
            return key;
    Q_UNREACHABLE();
}

// [Learning]: the learner's own modes and lists, all written at every save of the group. A key
// the store lacks, or cannot be read, is off or empty.
namespace LearningKeys {
inline constexpr const char* kSection = "Learning";
inline constexpr const char* kListenFirst = "listen_first";         // "1" on, anything else off
inline constexpr const char* kHideTranslation = "hide_translation"; // "1" on, anything else off
inline constexpr const char* kKnown = "known"; // French ids marked known: "10101-10103,10301"
inline constexpr const char* kSeen = "seen";   // French ids seen at least once, alike
} // namespace LearningKeys

// [Decks]: which of the learner's own decks the bar plays, written when it is chosen. Empty or
// absent: the built-in table; a deck that is gone plays the table too, the name kept.
namespace DeckKeys {
inline constexpr const char* kSection = "Decks";
inline constexpr const char* kPlaying = "playing";
} // namespace DeckKeys

// [Voice]: the learner's choice of voice, written when it is chosen. Empty: the engine's own.
namespace VoiceKeys {
inline constexpr const char* kSection = "Voice";
inline constexpr const char* kName = "name";
} // namespace VoiceKeys

// [Review]: spaced review of the sentences the learner found hard. Absent, review is off and the
// default weights are used.
namespace ReviewKeys {
inline constexpr const char* kSection = "Review";
inline constexpr const char* kEnabled = "enabled"; // "1": sentences due play before the others
inline constexpr const char* kWeights = "weights"; // 21 comma-separated numbers (19 or 17 upgraded)
} // namespace ReviewKeys
