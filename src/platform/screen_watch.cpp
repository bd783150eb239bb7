#include "platform/screen_watch.h"

#include "platform/os_services.h"

#include <QGuiApplication>
#include <QScreen>

ScreenWatch::ScreenWatch(QObject* parent) : QObject(parent) {
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, [this](QScreen* screen) {
        follow(screen);
        emit changed();
    });
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        followOther(screen);
        emit changed();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &ScreenWatch::changed);
    follow(QGuiApplication::primaryScreen());
    for (QScreen* screen : QGuiApplication::screens())
        followOther(screen);
}

void ScreenWatch::follow(QScreen* screen) {
    QScreen* before = m_screen;
    if (before)
        disconnect(before, nullptr, this, nullptr);
    m_screen = screen;
    followOther(before);
    if (!screen)
        return;
    connect(screen, &QScreen::geometryChanged, this, &ScreenWatch::changed, Qt::UniqueConnection);
    connect(screen, &QScreen::availableGeometryChanged, this, &ScreenWatch::changed);
}

// A monitor other than the primary one can carry the bar too: its size matters as well.
void ScreenWatch::followOther(QScreen* screen) {
    if (screen && screen != m_screen)
        connect(screen, &QScreen::geometryChanged, this, &ScreenWatch::changed,
                Qt::UniqueConnection);
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
