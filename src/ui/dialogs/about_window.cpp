#include "ui/dialogs/about_window.h"

#include "ui/widgets/normal_window_state.h"
#include "ui/widgets/picture_box.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

AboutWindow::AboutWindow(DialogGate& gate)
    : PictureWindow("AboutWindow", Qt::white, Qt::Tool | Qt::WindowStaysOnTopHint), m_gate(&gate) {
    m_gate->open();
    keepInNormalState(*this);
    connect(picture(), &PictureBox::clicked, this, &AboutWindow::onPictureClicked);
}

// However the window goes (a click, the keyboard, the window manager, deleted unclosed), the
// gate closes, once.
AboutWindow::~AboutWindow() {
    closeGate();
}

void AboutWindow::closeGate() {
    if (m_gate)
        m_gate->close();
    m_gate = nullptr;
}

void AboutWindow::onPictureClicked() {
    close();
}

void AboutWindow::showCentred() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // QRect::center() rounds down on an even size: place by halving what is left over.
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    show();
    raise();
    activateWindow();
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)
        close();
    else
        PictureWindow::keyPressEvent(event);
}

void AboutWindow::closeEvent(QCloseEvent* event) {
    closeGate();
    event->accept();
}
