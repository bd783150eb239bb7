#include "ui/widgets/value_scroll_bar.h"

// Stored negated: a vertical scroll bar grows downwards, and the learner expects "up" to mean more.
ValueScrollBar::ValueScrollBar(int lowest, int highest, QWidget* parent)
    : QScrollBar(Qt::Vertical, parent) {
    setRange(-highest, -lowest);
    setSingleStep(1);
    setPageStep(1);
    setTracking(false);
    connect(this, &QScrollBar::valueChanged, this,
            [this](int negated) { emit numberChanged(-negated); });
}
