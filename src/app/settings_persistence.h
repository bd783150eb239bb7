// Loading the settings record at start-up and the two save points (dialog close, Exit).
#pragma once

class SettingsStore;

// Where every key lives in the store.
inline constexpr const char* kSettingsApplication = "Vesk";
inline constexpr const char* kSettingsSection = "French";

// First run (no marker): writes every default. Then loads every key into Settings, each
// absent or unreadable key taking its default and out-of-range values brought into range.
// Returns the bar's stored left edge in twips.
float LoadSettings(SettingsStore& store, float screenWidthTwips);

// The settings dialog's save list.
void SaveDialogSettings(SettingsStore& store);

// Exit's save list: "voice", "left" and, when the sequence position is to be kept, "guagen".
void SaveExitSettings(SettingsStore& store, float barLeftTwips);
