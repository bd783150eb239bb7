#include "forms/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(const QString& resource, bool flatBorder, QWidget* parent)
    : QWidget(parent), m_picture(resource), m_flatBorder(flatBorder) {
    setMouseTracking(true); // movement without a button pressed opens the bar's menu
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
    emit MouseMove();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (rect().contains(event->position().toPoint()))
        emit Click();
}
