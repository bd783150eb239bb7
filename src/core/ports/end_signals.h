// The process is asked to end some other way than through Exit: a signal, the end of the
// desktop session, the display gone (platform/end_requests.h hears of them).
#pragma once

#include <QObject>

class EndSignals : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // Emitted once; its slot must end the process.
    void endRequested();
};
