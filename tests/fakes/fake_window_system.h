// A screen of a chosen size with a pointer the test puts where it likes.
#pragma once

#include "platform/window_system.h"

#include <QWidget>

class FakeWindowSystem : public WindowSystem {
public:
    POINT GetCursorPos() const override { return cursor; }
    QSize screenSize() const override { return screen; }
    RECT GetWindowRect(const QWidget& window) const override {
        const QRect at = window.geometry();
        return {at.left(), at.top(), at.left() + at.width(), at.top() + at.height()};
    }
    void MoveWindow(QWidget& window, int x, int y, int width, int height) override {
        window.setGeometry(x, y, width, height);
    }
    void SetWindowPosTopmost(QWidget& window, int x, int y, int width, int height) override {
        window.setGeometry(x, y, width, height);
    }
    void BringToFront(QWidget& window) override { broughtToFront << window.isVisible(); }

    POINT cursor;
    QSize screen{1024, 768};
    QList<bool> broughtToFront; // whether the window was shown at each call
};
