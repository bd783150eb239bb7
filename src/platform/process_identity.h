// Whether the process a lock file names is still the copy of this program that wrote it.
// Plain C++: the Windows side builds and is tested without Qt.
#pragma once

#include <cstdint>

enum class ProcessMatch {
    ThisProgram,  // a copy of this program, running since before the lock was written
    Gone,         // no such process
    OtherProgram, // another program, or one this user may not look into: the id was used again
    StartedLater, // this program, but started after the lock was written: the id was used again
};

// What process PID is now, against a lock it would have written at WRITTEN (milliseconds since
// 1970, UTC). "This program" is judged by the executable's file name, so an installed copy and
// one from a build folder are the same program.
ProcessMatch matchProcess(std::int64_t pid, std::int64_t writtenMsecsSinceEpoch);
