#include "core/learning/learner_shortcuts.h"

#include "core/learning/learner_command_table.h"
#include "core/learning/learner_commands.h"
#include "core/logging.h"
#include "core/ports/global_shortcuts.h"

QStringList bindLearnerShortcuts(GlobalShortcuts& shortcuts, LearnerCommands& commands) {
    QStringList problems;
    const QString unavailable = shortcuts.unavailable();
    if (!unavailable.isEmpty()) {
        problems << QStringLiteral("the keyboard shortcuts are off: %1").arg(unavailable);
    } else {
        for (const LearnerCommandRow& row : learnerCommands()) {
            if (!row.desktopKey)
                continue;
            const QString combination = QLatin1String(row.desktopKey);
            if (!shortcuts.add(combination, [&commands, id = row.id] { commands.run(id); }))
                problems << QStringLiteral("%1 is held by another program; that shortcut is off")
                                .arg(combination);
        }
    }
    for (const QString& problem : problems)
        qCWarning(lcDesktop).noquote() << problem;
    return problems;
}
