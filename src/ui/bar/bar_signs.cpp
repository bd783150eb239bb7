#include "ui/bar/bar_signs.h"

#include <QPainter>
#include <QPainterPath>

BarSign::BarSign(Kind kind, QWidget* parent) : QWidget(parent), m_kind(kind) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

// White on a dark rounded square: two upright bars, or a loudspeaker with two sound waves.
void BarSign::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 200));
    painter.drawRoundedRect(QRectF(rect()), 2, 2);
    const qreal w = width();
    const qreal h = height();
    if (m_kind == Paused) {
        painter.setBrush(Qt::white);
        const qreal barWidth = w / 4.0;
        const qreal top = h / 5.0;
        const qreal barHeight = h - 2 * top;
        painter.drawRect(QRectF(w / 2.0 - barWidth * 1.25, top, barWidth, barHeight));
        painter.drawRect(QRectF(w / 2.0 + barWidth * 0.25, top, barWidth, barHeight));
        return;
    }
    QPainterPath speaker;
    speaker.moveTo(w * 0.14, h * 0.38);
    speaker.lineTo(w * 0.30, h * 0.38);
    speaker.lineTo(w * 0.50, h * 0.20);
    speaker.lineTo(w * 0.50, h * 0.80);
    speaker.lineTo(w * 0.30, h * 0.62);
    speaker.lineTo(w * 0.14, h * 0.62);
    speaker.closeSubpath();
    painter.setBrush(Qt::white);
    painter.drawPath(speaker);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, qMax(1.0, w / 14.0), Qt::SolidLine, Qt::RoundCap));
    for (const qreal radius : {0.16, 0.30}) {
        const QRectF arc(w * (0.50 - radius), h * 0.5 - w * radius, w * 2 * radius, w * 2 * radius);
        painter.drawArc(arc, -45 * 16, 90 * 16);
    }
}
