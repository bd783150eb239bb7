// A record of the learner's that cannot be read is renamed aside, never deleted, so that a fresh
// one can start; the one line that says so.
#pragma once

#include <QString>

class RecordFiles;

// what: "the review schedule"; why: what is wrong with it; after: what happens now ("review
// starts again empty"). Gives the line to warn with.
QString setAsideUnreadable(RecordFiles& files, const QString& fileName, const QString& what,
                           const QString& why, const QString& after);
