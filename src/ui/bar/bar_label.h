// A label that reports every mouse press, move and release, whatever the button. It may write
// its one line of text on a set baseline instead of centring it.
#pragma once

#include <QLabel>

class BarLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Pixels from the label's top; a negative value centres the text again.
    void setBaseline(int pixels);
    int baseline() const { return m_baseline; }

signals:
    void pressed();
    void dragged();
    void released();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int m_baseline = -1;
};
