// [Bar]: how the bar places and shows itself beyond what [French] holds, each written when the
// learner changes it. Every key is optional: absent, the bar is as it always was.
#pragma once

#include <QString>

class SettingsStore;

namespace BarKeys {
inline constexpr const char* kSection = "Bar";

// A small choice stored as its number; unknown or out-of-range text reads as 0.
struct Choice {
    const char* key;
    int last; // the highest value; 0 is the default
};
inline constexpr Choice kStepAside{"step_aside", 1}; // 1: hide for full-screen windows
inline constexpr Choice kTextSize{"text_size", 2};   // 0 Normal, 1 Large, 2 Larger
inline constexpr Choice kWidth{"width", 2};          // 0 Normal, 1 Wide, 2 the monitor's width
inline constexpr Choice kReserve{"reserve", 1};      // 1: the top strip is kept for the bar

inline constexpr const char* kMonitor = "monitor";            // the monitor the bar was left on
inline constexpr const char* kSnoozedUntil = "snoozed_until"; // seconds since the epoch, UTC
inline constexpr const char* kCharacterPlace = "peedy";       // where Peedy was left, per monitor
} // namespace BarKeys

// The stored value of a choice; text that is not one of its values is said once on standard
// error and reads as 0.
int readBarChoice(const SettingsStore& store, const BarKeys::Choice& choice);
void writeBarChoice(SettingsStore& store, const BarKeys::Choice& choice, int value);
// Any other [Bar] key's text, and writing one (made durable at once).
QString readBarText(const SettingsStore& store, const char* key);
void writeBarText(SettingsStore& store, const char* key, const QString& text);
