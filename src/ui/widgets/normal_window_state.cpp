#include "ui/widgets/normal_window_state.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

constexpr Qt::WindowStates kUndone =
    Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

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
        const QRect normal = m_window->normalGeometry();
        m_window->setWindowState(m_window->windowState() & ~kUndone);
        // A window the manager is still iconifying may ignore a plain map request; withdrawn
        // and shown afresh, it is managed as a new normal window.
        if (minimised)
            m_window->hide();
        if (normal.isValid())
            m_window->setGeometry(normal);
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
    }

    QPointer<QWidget> m_window;
};

} // namespace

void keepInNormalState(QWidget& window) {
    new NormalStateKeeper(window);
}
