#include "platform/window_system.h"

#include "platform/os_services.h"
#include "platform/screen_watch.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QtWindowSystem::QtWindowSystem() : m_screens(std::make_unique<ScreenWatch>()) {}

QtWindowSystem::~QtWindowSystem() = default;

QPoint QtWindowSystem::cursorPos() const {
    return QCursor::pos();
}

QSize QtWindowSystem::screenSize() const {
    return ScreenWatch::screenArea().size();
}

QList<Monitor> QtWindowSystem::monitors() const {
    QList<Monitor> all;
    for (QScreen* screen : QGuiApplication::screens()) {
        const bool primary = screen == QGuiApplication::primaryScreen();
        const Monitor monitor{screen->name(),
                              primary ? ScreenWatch::screenArea() : screen->geometry()};
        if (primary)
            all.prepend(monitor);
        else
            all.append(monitor);
    }
    if (all.isEmpty())
        all.append(Monitor{QString(), ScreenWatch::screenArea()});
    return all;
}

void QtWindowSystem::reserveStrip(QWidget& window, const QRect& strip) {
    reserveTopStrip(window, strip);
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
