// The ways the process is told to end other than Exit: SIGTERM, SIGHUP and SIGINT, the end of
// the desktop session, and the display going away. Each becomes one endRequested() on the
// user-interface thread (the display's loss, which Qt answers by ending the process, calls it
// from the process's exit instead), so the program can save as Exit does and end at once. On
// Linux the process ends within 3 s of the request whatever that save is stuck on (the signals
// and the deadline: process_signals.h).
#pragma once

#include "core/ports/end_signals.h"

#include <memory>

class ProcessSignals;

class EndRequests : public EndSignals {
    Q_OBJECT
public:
    explicit EndRequests(QObject* parent = nullptr);
    // Puts the signals back as they were; the process's exit no longer asks for an end.
    ~EndRequests() override;

    // Also asks for the end when the process is ending through exit(), which is how Qt answers
    // the loss of the X display. Call it once the program is up: exit handlers run newest
    // first, so this one then runs while what the save needs is still in place.
    void watchProcessExit();

private:
    void requestEnd();
    static void onProcessExit();

    std::unique_ptr<ProcessSignals> m_signals;
    bool m_ended = false;
};
