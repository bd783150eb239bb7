#include "about/form7.h"

#include "forms/normal_window_state.h"
#include "forms/picture_box.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

Form7::Form7(QWidget& menuPicture)
    : PictureWindow("Form7", Qt::white, Qt::Tool | Qt::WindowStaysOnTopHint),
      m_menuPicture(&menuPicture) {
    m_menuPicture->setEnabled(false);
    keepInNormalState(*this);
    connect(Image1, &PictureBox::Click, this, &Form7::Image1_Click);
}

// However the window goes (a click, the keyboard, the window manager), the menu comes back.
Form7::~Form7() {
    if (m_menuPicture)
        m_menuPicture->setEnabled(true);
}

void Form7::Image1_Click() {
    close();
}

void Form7::showCentred() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // QRect::center() rounds down on an even size: place by halving what is left over.
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    show();
    raise();
    activateWindow();
}

void Form7::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)
        close();
    else
        PictureWindow::keyPressEvent(event);
}

void Form7::closeEvent(QCloseEvent* event) {
    if (m_menuPicture)
        m_menuPicture->setEnabled(true);
    event->accept();
}
