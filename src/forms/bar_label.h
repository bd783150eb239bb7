// A label that reports every mouse press, move and release, whatever the button.
#pragma once

#include <QLabel>

class BarLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void MouseDown();
    void MouseMove();
    void MouseUp();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
