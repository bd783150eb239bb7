#include "forms/bar_label.h"

#include <QMouseEvent>

void BarLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit MouseDown();
}

void BarLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit MouseMove();
}

void BarLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    emit MouseUp();
}
