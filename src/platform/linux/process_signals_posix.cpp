#include "platform/linux/end_deadline.h"
#include "platform/process_signals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
// Saving takes well under a second; past this the end goes ahead without it.
constexpr int kEndDeadlineMs = 3000;

// A signal handler may do almost nothing: it writes the signal's number into one end of a
// socket pair, and the event loop reads it from the other.
int g_pair[2] = {-1, -1};
struct sigaction g_previous[std::size(kSignals)];

void writeSignalByte(int signal) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_pair[1], &byte, 1);
    errno = savedErrno;
    // The byte waits for the event loop, which a stuck save may hold up for good.
    armEndDeadline();
}

} // namespace

struct ProcessSignals::Watch {
    std::unique_ptr<QSocketNotifier> notifier;
};

ProcessSignals::ProcessSignals(std::function<void()> signalled)
    : m_watch(std::make_unique<Watch>()) {
    startEndDeadline(kEndDeadlineMs);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pair) != 0)
        return;
    ::fcntl(g_pair[1], F_SETFL, ::fcntl(g_pair[1], F_GETFL) | O_NONBLOCK);
    QSocketNotifier* notifier = new QSocketNotifier(g_pair[0], QSocketNotifier::Read);
    m_watch->notifier.reset(notifier);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                     [signalled = std::move(signalled)] {
                         char byte = 0;
                         [[maybe_unused]] const ssize_t read = ::read(g_pair[0], &byte, 1);
                         signalled();
                     });
    struct sigaction action {};
    action.sa_handler = writeSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &action, &g_previous[i]);
}

ProcessSignals::~ProcessSignals() {
    if (!m_watch->notifier)
        return;
    for (size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &g_previous[i], nullptr);
    m_watch->notifier.reset();
    ::close(g_pair[0]);
    ::close(g_pair[1]);
    g_pair[0] = g_pair[1] = -1;
}

void ProcessSignals::armDeadline() {
    armEndDeadline();
}
