// The window system calls the caption bar makes, in screen pixels.
#pragma once

#include "platform/pointer.h"

#include <QSize>

class QWidget;

class WindowSystem : public PointerSource {
public:
    // The primary screen's size.
    virtual QSize screenSize() const = 0;
    virtual RECT GetWindowRect(const QWidget& window) const = 0;
    virtual void MoveWindow(QWidget& window, int x, int y, int width, int height) = 0;
    // Places the window and keeps it above every other window.
    virtual void SetWindowPosTopmost(QWidget& window, int x, int y, int width, int height) = 0;
    // Puts a shown window in front of the others.
    virtual void BringToFront(QWidget& window) = 0;
};

// The real one, over Qt.
class QtWindowSystem : public WindowSystem {
public:
    POINT GetCursorPos() const override;
    QSize screenSize() const override;
    RECT GetWindowRect(const QWidget& window) const override;
    void MoveWindow(QWidget& window, int x, int y, int width, int height) override;
    void SetWindowPosTopmost(QWidget& window, int x, int y, int width, int height) override;
    void BringToFront(QWidget& window) override;
};
