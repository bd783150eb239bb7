// The start-with-login entry follows the "Start with windows start" setting.
#pragma once

class AutoStart;
class QString;
struct SettingsRecord;

// Adds the entry (or points it at the current path), removes it, or leaves it, as the
// settings' loginEntry() says.
void applyStartWithLogin(AutoStart& autoStart, const SettingsRecord& settings,
                         const QString& programPath);
