// The window system calls the caption bar makes, in screen pixels.
#pragma once

#include "core/ports/pointer_source.h"

#include <QRect>
#include <QSize>

class QWidget;

class WindowSystem : public PointerSource {
public:
    // The primary screen's size.
    virtual QSize screenSize() const = 0;
    // The window's frame on the screen, where the window system really put it.
    virtual QRect windowRect(const QWidget& window) const = 0;
    virtual void moveWindow(QWidget& window, const QRect& to) = 0;
    // Places the window and keeps it above every other window.
    virtual void placeTopmost(QWidget& window, const QRect& to) = 0;
    // Puts a shown window in front of the others.
    virtual void bringToFront(QWidget& window) = 0;
};

// The real one, over Qt.
class QtWindowSystem : public WindowSystem {
public:
    QPoint cursorPos() const override;
    QSize screenSize() const override;
    QRect windowRect(const QWidget& window) const override;
    void moveWindow(QWidget& window, const QRect& to) override;
    void placeTopmost(QWidget& window, const QRect& to) override;
    void bringToFront(QWidget& window) override;
};
