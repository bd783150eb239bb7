#include "platform/end_requests.h"

#include "platform/process_signals.h"

#include <QGuiApplication>
#include <cstdlib>

namespace {
// For the process's exit, which calls a plain function.
EndRequests* g_instance = nullptr;
} // namespace

EndRequests::EndRequests(QObject* parent) : EndSignals(parent) {
    g_instance = this;
    m_signals = std::make_unique<ProcessSignals>([this] { requestEnd(); });
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(application, &QGuiApplication::commitDataRequest, this, &EndRequests::requestEnd,
                Qt::DirectConnection);
}

EndRequests::~EndRequests() {
    m_signals.reset();
    g_instance = nullptr;
}

void EndRequests::watchProcessExit() {
    static const bool registered = std::atexit(&EndRequests::onProcessExit) == 0;
    Q_UNUSED(registered);
}

void EndRequests::requestEnd() {
    if (m_ended)
        return;
    m_ended = true;
    m_signals->armDeadline();
    emit endRequested();
}

void EndRequests::onProcessExit() {
    if (g_instance)
        g_instance->requestEnd();
}
