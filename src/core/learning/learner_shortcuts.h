// The learner's keys, for the whole desktop: Ctrl+Alt+Space pause/resume, Ctrl+Alt+R replay,
// Ctrl+Alt+S replay slowly, Ctrl+Alt+N next, Ctrl+Alt+B previous, Ctrl+Alt+K "I know this one",
// Ctrl+Alt+E the other language (while paused).
#pragma once

#include <QStringList>

class GlobalShortcuts;
class LearnerCommands;

// Binds every key it can. Each problem (a key another program holds, or a desktop without
// global keys, said once) is written to standard error, one line each, and returned.
QStringList bindLearnerShortcuts(GlobalShortcuts& shortcuts, LearnerCommands& commands);
