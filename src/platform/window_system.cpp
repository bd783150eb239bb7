#include "platform/window_system.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

POINT QtWindowSystem::GetCursorPos() const {
    const QPoint at = QCursor::pos();
    return {at.x(), at.y()};
}

QSize QtWindowSystem::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

RECT QtWindowSystem::GetWindowRect(const QWidget& window) const {
    const QRect at = window.frameGeometry();
    return {at.left(), at.top(), at.left() + at.width(), at.top() + at.height()};
}

void QtWindowSystem::MoveWindow(QWidget& window, int x, int y, int width, int height) {
    window.setGeometry(x, y, width, height);
}

void QtWindowSystem::SetWindowPosTopmost(QWidget& window, int x, int y, int width, int height) {
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true); // hides the window when it changes
    window.setGeometry(x, y, width, height);
    window.raise();
}

void QtWindowSystem::BringToFront(QWidget& window) {
    window.raise();
}
