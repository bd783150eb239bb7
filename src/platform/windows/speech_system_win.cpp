// Speech on Windows runs inside the program, and its voices come as Windows' speech packs.
#include "platform/os_services.h"

QString speechDaemonSocket() {
    return {};
}

qint64 speechDaemonProcess() {
    return 0;
}

QString noFrenchVoiceProblem() {
    return QStringLiteral("no French voice is installed; add the French (France) speech "
                          "pack under Settings > Time & language > Speech");
}
