// Windows sends no signals to a program with windows, and the end of its session comes through
// Qt: nothing to watch here, and an end asked for has no deadline but its own save.
#include "platform/process_signals.h"

struct ProcessSignals::Watch {};

ProcessSignals::ProcessSignals(std::function<void()>) {}

ProcessSignals::~ProcessSignals() = default;

void ProcessSignals::armDeadline() {}
