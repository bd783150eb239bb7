// The last word on an end asked for by a signal or the session: once asked, the process ends
// within a deadline, whatever the orderly end (a save, the event loop that should read the
// signal) is stuck on. POSIX only; Windows has no signals to answer.
#pragma once

// Starts the thread that keeps the deadline; once per process, before any end can be asked.
void startEndDeadline(int milliseconds);

// Starts the count; later calls change nothing. Safe inside a signal handler.
void armEndDeadline();
