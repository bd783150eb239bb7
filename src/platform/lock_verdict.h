// What the lock file beside a settings store says about the copy holding it. Only a live copy of
// this program on this machine keeps a later start out: a lock that a crash or a power cut left
// empty, one holding anything else, anything but a plain file, and one naming a process that has
// ended or is not the copy that wrote it (its id used again) keep nobody out.
#pragma once

#include <QString>

struct LockVerdict {
    enum Kind {
        Absent,
        Held,    // by a live copy on this machine
        Stale,   // to be taken over
        Young,   // holds no lock yet, made a moment ago: its maker may be writing it
        Foreign, // made on another machine, where this one cannot look
    };
    Kind kind = Absent;
    qint64 pid = 0; // the process it names, 0 for none
    QString host;   // the machine it names
    QString reason; // why a stale lock keeps nobody out, as "it is empty"
};

LockVerdict judgeLockFile(const QString& path);

// The process the lock file names, or 0 when it names none.
qint64 lockFilePid(const QString& path);
