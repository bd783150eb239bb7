#include "core/learning/learner_shortcuts.h"

#include "core/learning/learner_commands.h"
#include "core/logging.h"
#include "core/ports/global_shortcuts.h"

#include <utility>

QStringList bindLearnerShortcuts(GlobalShortcuts& shortcuts, LearnerCommands& commands) {
    QStringList problems;
    const QString unavailable = shortcuts.unavailable();
    if (!unavailable.isEmpty()) {
        problems << QStringLiteral("the keyboard shortcuts are off: %1").arg(unavailable);
    } else {
        LearnerCommands* c = &commands;
        const std::pair<const char*, std::function<void()>> keys[] = {
            {"Ctrl+Alt+Space", [c] { c->togglePause(); }},   {"Ctrl+Alt+R", [c] { c->replay(); }},
            {"Ctrl+Alt+S", [c] { c->replaySlowly(); }},      {"Ctrl+Alt+N", [c] { c->next(); }},
            {"Ctrl+Alt+B", [c] { c->previous(); }},          {"Ctrl+Alt+K", [c] { c->knowThisOne(); }},
            {"Ctrl+Alt+E", [c] { c->showOtherLanguage(); }},
        };
        for (const auto& [combination, action] : keys) {
            if (!shortcuts.add(QLatin1String(combination), action))
                problems << QStringLiteral("%1 is held by another program; that shortcut is off")
                                .arg(QLatin1String(combination));
        }
    }
    for (const QString& problem : problems)
        qCWarning(lcDesktop).noquote() << problem;
    return problems;
}
