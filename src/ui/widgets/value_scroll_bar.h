// A vertical scroll bar whose up arrow raises the number. It reports a change only once a
// change is complete: an arrow or track click, or the release of a dragged thumb.
#pragma once

#include <QScrollBar>

class ValueScrollBar : public QScrollBar {
    Q_OBJECT
public:
    ValueScrollBar(int lowest, int highest, QWidget* parent = nullptr);

    int number() const { return -value(); }
    void setNumber(int number) { setValue(-number); }
    int lowest() const { return -maximum(); }
    int highest() const { return -minimum(); }

signals:
    void numberChanged(int number);
};
