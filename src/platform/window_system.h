// The window system calls the caption bar makes, in screen pixels.
#pragma once

#include "core/playback/monitor_choice.h"
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
    // Every monitor of the virtual desktop, the primary one first.
    virtual QList<Monitor> monitors() const = 0;
    // Keeps a strip along a monitor's top for the window, as panels do; empty gives it back.
    virtual void reserveStrip(QWidget& window, const QRect& strip) = 0;
    // The window's frame on the screen, where the window system really put it.
    virtual QRect windowRect(const QWidget& window) const = 0;
    virtual void moveWindow(QWidget& window, const QRect& to) = 0;
    // Places the window and keeps it above every other window.
    virtual void placeTopmost(QWidget& window, const QRect& to) = 0;
    // Puts a shown window in front of the others.
    virtual void bringToFront(QWidget& window) = 0;
    // Calls changed whenever a screen's size or work area changes, one comes or goes, or another
    // screen becomes the primary one.
    virtual void followScreen(std::function<void()> changed) = 0;
};

// The real one, over Qt.
class QtWindowSystem : public WindowSystem {
public:
    QtWindowSystem();
    ~QtWindowSystem() override;
    QPoint cursorPos() const override;
    QSize screenSize() const override;
    QList<Monitor> monitors() const override;
    void reserveStrip(QWidget& window, const QRect& strip) override;
    QRect windowRect(const QWidget& window) const override;
    void moveWindow(QWidget& window, const QRect& to) override;
    void placeTopmost(QWidget& window, const QRect& to) override;
    void bringToFront(QWidget& window) override;
    void followScreen(std::function<void()> changed) override;

private:
    std::unique_ptr<ScreenWatch> m_screens;
};
