#include "ui/bar/bar_label.h"

#include <QMouseEvent>
#include <QPainter>

void BarLabel::setBaseline(int pixels) {
    m_baseline = pixels;
    update();
}

// Plain text on one line, from the left edge, as the centred label draws it.
void BarLabel::paintEvent(QPaintEvent* event) {
    if (m_baseline < 0) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(QPoint(0, m_baseline), text());
}

void BarLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed();
}

void BarLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit dragged();
}

void BarLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    emit released();
}
