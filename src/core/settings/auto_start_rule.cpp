#include "core/settings/auto_start_rule.h"

#include "core/ports/auto_start.h"
#include "core/settings/settings_record.h"

void applyStartWithLogin(AutoStart& autoStart, const QString& programPath) {
    if (Settings.startWithLogin == 1)
        autoStart.add(programPath);
    else if (Settings.startWithLogin == 0)
        autoStart.remove();
}
