// The small steady signs beside the bar's picture: paused, and listening first. Both let the
// mouse through to the label under them, so dragging still works.
#pragma once

#include <QWidget>

class BarSign : public QWidget {
    Q_OBJECT
public:
    enum Kind { Paused, Listening };
    BarSign(Kind kind, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind m_kind;
};
