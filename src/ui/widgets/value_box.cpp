#include "ui/widgets/value_box.h"

#include "ui/widgets/value_scroll_bar.h"

#include <QToolTip>
#include <algorithm>
#include <optional>

namespace {

// A whole number in the text, blanks around it allowed; none for anything else.
std::optional<qlonglong> typedNumber(const QString& text) {
    bool ok = false;
    const qlonglong number = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qlonglong>(number) : std::nullopt;
}

} // namespace

ValueBox::ValueBox(const QString& text, QWidget* parent) : QLineEdit(text, parent) {}

void ValueBox::bindTo(ValueScrollBar& bar, const QString& range) {
    m_bar = &bar;
    setToolTip(range);
    connect(this, &QLineEdit::textEdited, this, &ValueBox::followTyping);
    // Enter, Tab or a click elsewhere.
    connect(this, &QLineEdit::editingFinished, this, &ValueBox::settle);
    connect(&bar, &ValueScrollBar::numberChanged, this, &ValueBox::showNumber);
}

void ValueBox::followTyping(const QString& text) {
    const auto number = typedNumber(text);
    if (number && *number >= m_bar->lowest() && *number <= m_bar->highest())
        m_bar->setNumber(static_cast<int>(*number));
}

void ValueBox::settle() {
    if (!m_bar)
        return;
    const auto number = typedNumber(text());
    if (number && (*number < m_bar->lowest() || *number > m_bar->highest())) {
        m_bar->setNumber(static_cast<int>(
            std::clamp<qlonglong>(*number, m_bar->lowest(), m_bar->highest())));
        QToolTip::showText(mapToGlobal(QPoint(0, height())), toolTip(), this);
    }
    setText(QString::number(m_bar->number()));
}

// The bar's number as the box's text, unless the text already says it: typing "07" keeps
// what was typed until the box is left.
void ValueBox::showNumber(int number) {
    if (typedNumber(text()) != qlonglong(number))
        setText(QString::number(number));
}
