#include "platform/end_requests.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <cstdlib>
#include <iterator>

#ifndef Q_OS_WIN
#include "platform/end_deadline.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
// Saving takes well under a second; past this the end goes ahead without it.
constexpr int kEndDeadlineMs = 3000;

// A signal handler may do almost nothing: it writes the signal's number into one end of a
// socket pair, and the event loop reads it from the other.
int g_pair[2] = {-1, -1};
struct sigaction g_previous[sizeof(kSignals) / sizeof(kSignals[0])];

void writeSignalByte(int signal) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_pair[1], &byte, 1);
    errno = savedErrno;
    // The byte waits for the event loop, which a stuck save may hold up for good.
    armEndDeadline();
}

} // namespace
#endif

namespace {
EndRequests* g_instance = nullptr;
}

EndRequests::EndRequests(QObject* parent) : QObject(parent) {
    g_instance = this;
#ifndef Q_OS_WIN
    startEndDeadline(kEndDeadlineMs);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pair) == 0) {
        ::fcntl(g_pair[1], F_SETFL, ::fcntl(g_pair[1], F_GETFL) | O_NONBLOCK);
        m_notifier = std::make_unique<QSocketNotifier>(g_pair[0], QSocketNotifier::Read);
        connect(m_notifier.get(), &QSocketNotifier::activated, this, &EndRequests::onSignalByte);
        struct sigaction action {};
        action.sa_handler = writeSignalByte;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (size_t i = 0; i < std::size(kSignals); ++i)
            ::sigaction(kSignals[i], &action, &g_previous[i]);
    }
#endif
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(application, &QGuiApplication::commitDataRequest, this, &EndRequests::requestEnd,
                Qt::DirectConnection);
}

EndRequests::~EndRequests() {
#ifndef Q_OS_WIN
    if (m_notifier) {
        for (size_t i = 0; i < std::size(kSignals); ++i)
            ::sigaction(kSignals[i], &g_previous[i], nullptr);
        m_notifier.reset();
        ::close(g_pair[0]);
        ::close(g_pair[1]);
        g_pair[0] = g_pair[1] = -1;
    }
#endif
    g_instance = nullptr;
}

void EndRequests::watchProcessExit() {
    static const bool registered = std::atexit(&EndRequests::onProcessExit) == 0;
    Q_UNUSED(registered);
}

void EndRequests::onSignalByte() {
#ifndef Q_OS_WIN
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(g_pair[0], &byte, 1);
#endif
    requestEnd();
}

void EndRequests::requestEnd() {
    if (m_ended)
        return;
    m_ended = true;
#ifndef Q_OS_WIN
    armEndDeadline();
#endif
    emit endRequested();
}

void EndRequests::onProcessExit() {
    if (g_instance)
        g_instance->requestEnd();
}
