#include "platform/screen_watch.h"

#include "platform/os_services.h"

#include <QGuiApplication>
#include <QScreen>

ScreenWatch::ScreenWatch(QObject* parent) : QObject(parent) {
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, [this](QScreen* screen) {
        follow(screen);
        emit changed();
    });
    connect(qGuiApp, &QGuiApplication::screenAdded, this, &ScreenWatch::changed);
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &ScreenWatch::changed);
    follow(QGuiApplication::primaryScreen());
}

void ScreenWatch::follow(QScreen* screen) {
    if (m_screen)
        disconnect(m_screen, nullptr, this, nullptr);
    m_screen = screen;
    if (!screen)
        return;
    connect(screen, &QScreen::geometryChanged, this, &ScreenWatch::changed);
    connect(screen, &QScreen::availableGeometryChanged, this, &ScreenWatch::changed);
}

QRect ScreenWatch::screenArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {0, 0, 1024, 768};
    const QRect area = screen->geometry();
    // A screen that shrank until no monitor output was left on it keeps its old size in Qt;
    // the window system's own figure is the true one then.
    const QSize whole = windowSystemScreenSize();
    const QRect bounded = whole.isValid() ? area & QRect(QPoint(0, 0), whole) : area;
    return bounded.isEmpty() ? area : bounded;
}

QRect ScreenWatch::workArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screenArea();
    const QRect free = screen ? screen->availableGeometry() & area : area;
    return free.isEmpty() ? area : free;
}
