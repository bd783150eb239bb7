// The learner's keys for the whole desktop: every command with a key in the learner command
// table (learner_command_table.h), in the table's order.
#pragma once

#include <QStringList>

class GlobalShortcuts;
class LearnerCommands;

// Binds every key it can. Each problem (a key another program holds, or a desktop without
// global keys, said once) is written to standard error, one line each, and returned.
QStringList bindLearnerShortcuts(GlobalShortcuts& shortcuts, LearnerCommands& commands);
