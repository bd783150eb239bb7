// Loading the settings record at start-up and the two save points (dialog close, Exit), each
// going through the [French] key table.
#pragma once

#include "core/settings/settings_keys.h"

#include <QString>

class SettingsStore;
struct SettingsRecord;

// Without the marker: writes the default of every key the store lacks (on a first run, every
// key). Then loads every key into the record, each absent or unreadable key taking its default
// and out-of-range values brought into range, and remembers each key's text for Exit.
// Returns the bar's stored left edge in twips.
float loadSettings(SettingsStore& store, SettingsRecord& settings, float screenWidthTwips);

// Each save returns why the store could not be written, naming its file; empty when it was.
// A failed save leaves what the store held before as it was.

// The settings dialog's save list: the keys SavedBy::Dialog, in table order.
QString saveDialogSettings(SettingsStore& store, SettingsRecord& settings);

// Exit's save list: the keys SavedBy::Exit ("voice", "left") and, when the position is kept,
// "guagen"; then every other key the store held at the start, with the text it is to hold.
QString saveExitSettings(SettingsStore& store, SettingsRecord& settings, float barLeftTwips);
