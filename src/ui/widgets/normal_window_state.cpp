#include "ui/widgets/normal_window_state.h"

#include "platform/os_services.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

constexpr Qt::WindowStates kUndone =
    Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
// How often and how long a withdrawn window waits for the window manager to let go of it.
constexpr int kReleasePollMs = 10;
constexpr int kReleasePolls = 100;

class NormalStateKeeper : public QObject {
public:
    explicit NormalStateKeeper(QWidget& window) : QObject(&window), m_window(&window) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && event->type() == QEvent::WindowStateChange &&
            (m_window->windowState() & kUndone))
            // After the window manager has finished its own change, not inside it.
            QTimer::singleShot(0, this, &NormalStateKeeper::restore);
        return false;
    }

private:
    void restore() {
        if (!m_window || !(m_window->windowState() & kUndone))
            return;
        const bool minimised = m_window->windowState() & Qt::WindowMinimized;
        m_normal = m_window->normalGeometry();
        m_window->setWindowState(m_window->windowState() & ~kUndone);
        if (!minimised) {
            showInPlace();
            return;
        }
        // A window the manager is still iconifying may ignore a plain map request, so it is
        // withdrawn and shown afresh as a new normal window. Shown again while the manager is
        // still taking it out of its frame, it would stay on the screen unmanaged: out of
        // reach of the keyboard and of its own close box.
        m_window->hide();
        m_polls = 0;
        showWhenReleased();
    }

    void showWhenReleased() {
        if (!m_window)
            return;
        if (heldByWindowManager(*m_window) && ++m_polls < kReleasePolls) {
            QTimer::singleShot(kReleasePollMs, this, &NormalStateKeeper::showWhenReleased);
            return;
        }
        showInPlace();
    }

    void showInPlace() {
        if (m_normal.isValid())
            m_window->setGeometry(m_normal);
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
    }

    QPointer<QWidget> m_window;
    QRect m_normal;
    int m_polls = 0;
};

} // namespace

void keepInNormalState(QWidget& window) {
    new NormalStateKeeper(window);
}
