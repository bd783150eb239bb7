#include "core/settings/settings_record.h"

SettingsRecord Settings;
