// A label that reports every mouse press, move and release, whatever the button. It may write
// its one line of text on a set baseline instead of centring it, shifted left by a scroll.
#pragma once

#include <QLabel>

class BarLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Pixels from the label's top; a negative value centres the text again.
    void setBaseline(int pixels);
    // Pixels the text is drawn to the left of its place; a new text starts unshifted.
    void setScroll(int pixels);
    int scroll() const { return m_scroll; }
    // A new text, unshifted; QLabel::setText would leave the old scroll on it.
    void setLine(const QString& text);
    // The pixels the text's ink covers from the label's left edge, unshifted.
    int textWidth() const;

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
    int m_scroll = 0;
};
