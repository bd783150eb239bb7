#include "core/settings/auto_start_rule.h"

#include "core/ports/auto_start.h"
#include "core/settings/settings_record.h"

void applyStartWithLogin(AutoStart& autoStart, const SettingsRecord& settings,
                         const QString& programPath) {
    switch (settings.loginEntry()) {
    case SettingsRecord::LoginEntry::Add:
        autoStart.add(programPath);
        break;
    case SettingsRecord::LoginEntry::Remove:
        autoStart.remove();
        break;
    case SettingsRecord::LoginEntry::Leave:
        break;
    }
}
