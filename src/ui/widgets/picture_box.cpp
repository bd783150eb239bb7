#include "ui/widgets/picture_box.h"

#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(const QString& resource, bool flatBorder, QWidget* parent)
    : QWidget(parent), m_picture(resource), m_flatBorder(flatBorder) {
    setMouseTracking(true); // movement without a button pressed opens the bar's menu
    m_pointerWatch.setInterval(100);
    connect(&m_pointerWatch, &QTimer::timeout, this, &PictureBox::checkPointerStillHere);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect inside = rect();
    if (m_flatBorder) {
        painter.setPen(Qt::black);
        painter.drawRect(inside.adjusted(0, 0, -1, -1));
        inside.adjust(1, 1, -1, -1);
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(inside, m_picture);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    movedTo(event->globalPosition().toPoint());
}

// A pointer that lands on the picture in one jump brings an enter event and no movement after
// it; arriving counts as moving here.
void PictureBox::enterEvent(QEnterEvent* event) {
    movedTo(event->globalPosition().toPoint());
}

// A popup opened from the picture, or a window closing over it, also makes the toolkit send
// leave and enter events while the pointer stands still: only a pointer that is really off the
// picture may arrive again.
void PictureBox::leaveEvent(QEvent*) {
    checkPointerStillHere();
}

void PictureBox::checkPointerStillHere() {
    if (rect().contains(mapFromGlobal(QCursor::pos())))
        return;
    m_pointerWatch.stop();
    m_reportedAt.reset();
}

// One report per position: an arrival and the movement event that comes with it, or a fresh
// enter event after a menu closed, are one movement. The leave event that would say the pointer
// has gone does not always come: none while the menu holds the pointer, and under Wine none
// after a click beside the menu closed it. So the picture looks for itself until the pointer is
// off it.
void PictureBox::movedTo(QPoint global) {
    if (!isEnabled() || m_reportedAt == global)
        return;
    m_reportedAt = global;
    m_pointerWatch.start();
    emit hovered();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}
