#include "platform/os_services.h"

#include <csignal>
#include <sys/types.h>

bool askProcessToEnd(qint64 process) {
    return process > 0 && ::kill(static_cast<pid_t>(process), SIGTERM) == 0;
}

void ignoreBrokenPipes() {
    std::signal(SIGPIPE, SIG_IGN);
}
