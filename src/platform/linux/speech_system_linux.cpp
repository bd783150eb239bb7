// Speech on Linux goes through speech-dispatcher, a daemon in the session's runtime folder, and
// its voices come in distribution packages.
#include "platform/os_services.h"

#include <QFile>

namespace {
QString daemonFolder() {
    return qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/speech-dispatcher");
}
} // namespace

QString speechDaemonSocket() {
    return daemonFolder() + QStringLiteral("/speechd.sock");
}

// Not the socket's peer: that is the process that made the socket, which speech-dispatcher
// leaves when it becomes a daemon.
qint64 speechDaemonProcess() {
    QFile record(daemonFolder() + QStringLiteral("/pid/speech-dispatcher.pid"));
    if (!record.open(QIODevice::ReadOnly))
        return 0;
    return record.readLine(32).trimmed().toLongLong();
}

QString noFrenchVoiceProblem() {
    return QStringLiteral("no French voice is installed; install "
                          "speech-dispatcher-espeak-ng, or better speech-dispatcher-pico");
}
