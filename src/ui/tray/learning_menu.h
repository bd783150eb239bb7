// The learning entries of a menu: "I know this one", forgetting a topic's known sentences,
// listen first, and the progress window.
#pragma once

#include <QPointer>
#include <functional>

class LearningModes;
class QAction;
class QMenu;

struct LearningMenuEntries {
    QAction* knowThisOne = nullptr;
    QAction* forgetTopic = nullptr;
    QAction* listenFirst = nullptr;
    QAction* progress = nullptr;
};

// Adds the entries to the menu before `before` (at the end when null); showProgress opens or
// brings up the progress window.
LearningMenuEntries addLearningEntries(QMenu& menu, QAction* before, LearningModes& modes,
                                       std::function<void()> showProgress);
