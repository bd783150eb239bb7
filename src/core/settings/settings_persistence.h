// Loading the settings record at start-up and the two save points (dialog close, Exit).
#pragma once

#include <QString>

class SettingsStore;

// Where every key lives in the store.
inline constexpr const char* kSettingsApplication = "Vesk";
inline constexpr const char* kSettingsSection = "French";

// Without the marker: writes the default of every key the store lacks (on a first run, every
// key). Then loads every key into Settings, each absent or unreadable key taking its default and
// out-of-range values brought into range, and remembers each key's text for Exit.
// Returns the bar's stored left edge in twips.
float loadSettings(SettingsStore& store, float screenWidthTwips);

// Each save returns why the store could not be written, naming its file; empty when it was.
// A failed save leaves what the store held before as it was.

// The settings dialog's save list.
QString saveDialogSettings(SettingsStore& store);

// Exit's save list: "voice", "left" and, when the sequence position is to be kept, "guagen";
// then every other key the store held at the start, with the text it is to hold.
QString saveExitSettings(SettingsStore& store, float barLeftTwips);
