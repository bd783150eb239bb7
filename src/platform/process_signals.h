// What the operating system itself sends a process it wants ended, under EndRequests: on Linux
// SIGTERM, SIGHUP and SIGINT, and a deadline by which an end asked for is over whatever the
// orderly end is stuck on (linux/process_signals_posix.cpp). A Windows program with windows
// gets no signals, and its session's end comes through Qt (windows/process_signals_win.cpp).
#pragma once

#include <functional>
#include <memory>

class ProcessSignals {
public:
    // signalled runs on the event loop's thread, once for each signal that comes in.
    explicit ProcessSignals(std::function<void()> signalled);
    // Puts the signals back as they were.
    ~ProcessSignals();
    ProcessSignals(const ProcessSignals&) = delete;
    ProcessSignals& operator=(const ProcessSignals&) = delete;

    // An end was asked for, by a signal or any other way: from now the deadline runs.
    void armDeadline();

private:
    struct Watch;
    std::unique_ptr<Watch> m_watch;
};
