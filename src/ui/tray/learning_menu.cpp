#include "ui/tray/learning_menu.h"

#include "core/learning/learning_modes.h"

#include <QMenu>

LearningMenuEntries addLearningEntries(QMenu& menu, QAction* before, LearningModes& modes,
                                       std::function<void()> showProgress) {
    LearningMenuEntries entries;
    const auto add = [&](const QString& caption) {
        auto* action = new QAction(caption, &menu);
        menu.insertAction(before, action);
        return action;
    };
    entries.knowThisOne = add(QObject::tr("I &know this one"));
    entries.knowThisOne->setShortcut(QKeySequence(QStringLiteral("Ctrl+Alt+K")));
    // The shortcut is global, registered elsewhere; here it is only shown beside the entry.
    entries.knowThisOne->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(entries.knowThisOne, &QAction::triggered, &modes,
                     [&modes] { modes.markCurrentKnown(); });

    entries.forgetTopic = add(QObject::tr("&Forget the sentences I know in this topic"));
    QObject::connect(entries.forgetTopic, &QAction::triggered, &modes,
                     [&modes] { modes.forgetChosenTopic(); });

    entries.listenFirst = add(QObject::tr("&Listen first"));
    entries.listenFirst->setCheckable(true);
    entries.listenFirst->setChecked(modes.listenFirst());
    QObject::connect(entries.listenFirst, &QAction::toggled, &modes,
                     [&modes](bool on) { modes.setListenFirst(on); });
    // Kept in step when the mode changes elsewhere (loaded, another menu).
    QPointer<QAction> listen = entries.listenFirst;
    QObject::connect(&modes, &LearningModes::changed, listen, [listen, &modes] {
        if (listen && listen->isChecked() != modes.listenFirst())
            listen->setChecked(modes.listenFirst());
    });

    entries.progress = add(QObject::tr("Pro&gress..."));
    QObject::connect(entries.progress, &QAction::triggered, &menu, [showProgress] {
        if (showProgress)
            showProgress();
    });
    return entries;
}
