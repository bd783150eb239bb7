#include "platform/window_system.h"

#include "platform/screen_watch.h"
#include "platform/os_services.h"

#include <QCursor>
#include <QWidget>

QtWindowSystem::QtWindowSystem() : m_screens(std::make_unique<ScreenWatch>()) {}

QtWindowSystem::~QtWindowSystem() = default;

QPoint QtWindowSystem::cursorPos() const {
    return QCursor::pos();
}

QSize QtWindowSystem::screenSize() const {
    return ScreenWatch::screenArea().size();
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

void QtWindowSystem::followScreen(std::function<void()> changed) {
    QObject::connect(m_screens.get(), &ScreenWatch::changed, m_screens.get(), std::move(changed));
}
