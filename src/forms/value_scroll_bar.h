// A vertical scroll bar whose up arrow raises the number. It reports a change only once a
// change is complete: an arrow or track click, or the release of a dragged thumb.
#pragma once

#include <QScrollBar>

class ValueScrollBar : public QScrollBar {
    Q_OBJECT
public:
    ValueScrollBar(int lowest, int highest, QWidget* parent = nullptr);

    int Value() const { return -value(); }
    void setValue(int number) { QScrollBar::setValue(-number); }
    int Min() const { return -maximum(); }
    int Max() const { return -minimum(); }

signals:
    void Change(int number);
};
