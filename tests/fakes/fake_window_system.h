// A screen of a chosen size with a pointer the test puts where it likes.
#pragma once

#include "platform/window_system.h"

#include <QWidget>

class FakeWindowSystem : public WindowSystem {
public:
    QPoint cursorPos() const override { return cursor; }
    QSize screenSize() const override { return screen; }
    // One monitor of the screen's size unless the test sets others.
    QList<Monitor> monitors() const override {
        return monitorList.isEmpty() ? QList<Monitor>{{QStringLiteral("screen"), QRect({}, screen)}}
                                     : monitorList;
    }
    void reserveStrip(QWidget&, const QRect& strip) override { reserved = strip; }
    QRect windowRect(const QWidget& window) const override { return window.geometry(); }
    void moveWindow(QWidget& window, const QRect& to) override { window.setGeometry(to); }
    void placeTopmost(QWidget& window, const QRect& to) override { window.setGeometry(to); }
    void bringToFront(QWidget& window) override { broughtToFront << window.isVisible(); }
    void followScreen(std::function<void()> changed) override {
        screenChanged = std::move(changed);
    }
    void resizeScreen(QSize size) {
        screen = size;
        if (screenChanged)
            screenChanged();
    }
    void setMonitors(const QList<Monitor>& list) {
        monitorList = list;
        if (!list.isEmpty())
            screen = list.first().area.size();
        if (screenChanged)
            screenChanged();
    }

    QPoint cursor;
    QSize screen{1024, 768};
    QList<Monitor> monitorList;
    QRect reserved;
    QList<bool> broughtToFront; // whether the window was shown at each call
    std::function<void()> screenChanged;
};
