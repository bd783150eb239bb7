#include "platform/linux/end_deadline.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <initializer_list>
#include <pthread.h>
#include <thread>
#include <unistd.h>

namespace {

// The thread waits on one end of this pipe; arming writes a byte into the other.
int g_pipe[2] = {-1, -1};

void keepDeadline(int milliseconds) {
    char byte = 0;
    ssize_t got = 0;
    do
        got = ::read(g_pipe[0], &byte, 1);
    while (got < 0 && errno == EINTR);
    if (got != 1)
        return;
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    char line[120];
    const int length = std::snprintf(line, sizeof line,
                                     "dorvane: the program did not end within %.1f s of being "
                                     "asked to; it ends now, without waiting for its save\n",
                                     milliseconds / 1000.0);
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, line, size_t(length));
    ::_exit(1);
}

} // namespace

void startEndDeadline(int milliseconds) {
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC) != 0)
        return;
    ::fcntl(g_pipe[1], F_SETFL, ::fcntl(g_pipe[1], F_GETFL) | O_NONBLOCK);
    // The end signals go to the threads that act on them, never to this one.
    sigset_t signals;
    sigemptyset(&signals);
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaddset(&signals, signal);
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &signals, &previous);
    std::thread(keepDeadline, milliseconds).detach();
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

void armEndDeadline() {
    if (g_pipe[1] < 0)
        return;
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = savedErrno;
}
