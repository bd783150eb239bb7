// The window that has the focus, as the window system tells it: where it is and whether it
// fills a monitor. The platform follows it without polling where it can (X11: the root's and
// the active window's property changes) and reports each change.
#pragma once

#include <QObject>
#include <QRect>

struct ActiveWindow {
    // Where it is, in the desktop's logical pixels; empty when the system says only that the
    // screen is taken (a presentation, a full-screen game) and not by which window.
    QRect geometry;
    bool fullScreen = false; // the window system has it full screen
    bool frameless = false;  // it asked for no frame: a window its own size may fill a monitor
    bool ours = false;       // one of this program's own windows
};

class FullScreenWatch : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Reports the active window now and at every change, until stop().
    virtual void start() = 0;
    virtual void stop() = 0;

signals:
    void activeWindowChanged(const ActiveWindow& window);
};
