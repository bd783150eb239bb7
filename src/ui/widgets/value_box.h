// The text box that shows a value scroll bar's number and takes a typed one: a number within the
// bar's range moves the bar at once; when the box is left, a number out of range is brought to
// the nearest end and the range is shown beside the box, and anything else gives way to the
// bar's number again. The box never holds a value the bar does not.
#pragma once

#include <QLineEdit>

class ValueScrollBar;

class ValueBox : public QLineEdit {
    Q_OBJECT
public:
    ValueBox(const QString& text, QWidget* parent = nullptr);

    // range: what the learner reads when a number is out of it, e.g. "5 to 15 seconds".
    void bindTo(ValueScrollBar& bar, const QString& range);
    // What leaving the box does; the dialog calls it before it reads the bars.
    void settle();

private:
    void followTyping(const QString& text);
    void showNumber(int number);

    ValueScrollBar* m_bar = nullptr;
};
