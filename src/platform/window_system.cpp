#include "platform/window_system.h"

#include "platform/os_services.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QPoint QtWindowSystem::cursorPos() const {
    return QCursor::pos();
}

QSize QtWindowSystem::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

QRect QtWindowSystem::windowRect(const QWidget& window) const {
    return QRect(placeOnScreen(window), window.frameGeometry().size());
}

void QtWindowSystem::moveWindow(QWidget& window, const QRect& to) {
    window.setGeometry(to);
}

void QtWindowSystem::placeTopmost(QWidget& window, const QRect& to) {
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true); // hides the window when it changes
    window.setGeometry(to);
    window.raise();
}

void QtWindowSystem::bringToFront(QWidget& window) {
    window.raise();
}
