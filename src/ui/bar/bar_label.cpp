#include "ui/bar/bar_label.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

void BarLabel::setBaseline(int pixels) {
    m_baseline = pixels;
    update();
}

void BarLabel::setScroll(int pixels) {
    if (pixels == m_scroll)
        return;
    m_scroll = pixels;
    update();
}

void BarLabel::setLine(const QString& text) {
    if (text != this->text())
        m_scroll = 0;
    QLabel::setText(text);
}

int BarLabel::textWidth() const {
    const QFontMetrics metrics = fontMetrics();
    return std::max(metrics.horizontalAdvance(text()), metrics.boundingRect(text()).right() + 1);
}

// Plain text on one line, from the left edge, as the centred label draws it.
void BarLabel::paintEvent(QPaintEvent* event) {
    if (m_baseline < 0) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(QPoint(-m_scroll, m_baseline), text());
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
