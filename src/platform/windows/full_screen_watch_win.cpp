// The active window on Windows: the shell's own judgement whether the user is busy with a
// full-screen program (a game, a video, a presentation), looked at twice a second since the
// shell tells no one when it changes, with the foreground window's place on the desktop.
#include "platform/os_services.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <windows.h>
// after windows.h, whose types it uses
#include <shellapi.h>

namespace {

constexpr int kLookMs = 500;

class WindowsFullScreenWatch : public FullScreenWatch {
public:
    WindowsFullScreenWatch() {
        m_look.setInterval(kLookMs);
        QObject::connect(&m_look, &QTimer::timeout, this, [this] { look(); });
    }

    void start() override {
        m_reported = false;
        m_look.start();
        look();
    }
    void stop() override { m_look.stop(); }

private:
    void look() {
        QUERY_USER_NOTIFICATION_STATE state = QUNS_ACCEPTS_NOTIFICATIONS;
        if (FAILED(SHQueryUserNotificationState(&state)))
            state = QUNS_ACCEPTS_NOTIFICATIONS;
        ActiveWindow window;
        window.fullScreen = state == QUNS_BUSY || state == QUNS_RUNNING_D3D_FULL_SCREEN ||
                            state == QUNS_PRESENTATION_MODE;
        const HWND foreground = GetForegroundWindow();
        DWORD process = 0;
        if (foreground)
            GetWindowThreadProcessId(foreground, &process);
        window.ours = foreground && process == GetCurrentProcessId();
        // Presentation mode is the whole desktop's, whichever window is in front.
        RECT rect;
        if (foreground && state != QUNS_PRESENTATION_MODE && GetWindowRect(foreground, &rect))
            window.geometry = logical(
                QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1)));
        if (m_reported && window.geometry == m_last.geometry &&
            window.fullScreen == m_last.fullScreen && window.ours == m_last.ours)
            return;
        m_reported = true;
        m_last = window;
        emit activeWindowChanged(window);
    }

    static QRect logical(const QRect& native) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
        if (ratio == 1.0)
            return native;
        return QRect(QPoint(qRound(native.x() / ratio), qRound(native.y() / ratio)),
                     QSize(qRound(native.width() / ratio), qRound(native.height() / ratio)));
    }

    QTimer m_look;
    ActiveWindow m_last;
    bool m_reported = false;
};

} // namespace

std::unique_ptr<FullScreenWatch> makeFullScreenWatch() {
    return std::make_unique<WindowsFullScreenWatch>();
}
