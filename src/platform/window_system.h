// The window system calls the caption bar makes, in screen pixels.
#pragma once

#include "core/ports/pointer_source.h"

#include <QRect>
#include <QSize>
#include <functional>
#include <memory>

class QWidget;
class ScreenWatch;

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
    // Calls changed whenever the primary screen's size or work area changes, or another screen
    // becomes the primary one.
    virtual void followScreen(std::function<void()> changed) = 0;
};

// The real one, over Qt.
class QtWindowSystem : public WindowSystem {
public:
    QtWindowSystem();
    ~QtWindowSystem() override;
    QPoint cursorPos() const override;
    QSize screenSize() const override;
    QRect windowRect(const QWidget& window) const override;
    void moveWindow(QWidget& window, const QRect& to) override;
    void placeTopmost(QWidget& window, const QRect& to) override;
    void bringToFront(QWidget& window) override;
    void followScreen(std::function<void()> changed) override;

private:
    std::unique_ptr<ScreenWatch> m_screens;
};
