#include "ui/widgets/caption_fit.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

namespace {

// The pixels the caption's ink covers, which may reach past its advance.
int inkWidth(const QFontMetrics& metrics, const QString& caption) {
    return std::max(metrics.horizontalAdvance(caption), metrics.boundingRect(caption).right() + 1);
}

// The room the style leaves the caption inside the button.
QRect captionRect(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const auto element = qobject_cast<const QRadioButton*>(&button) ? QStyle::SE_RadioButtonContents
                                                                    : QStyle::SE_CheckBoxContents;
    return button.style()->subElementRect(element, &option, &button);
}

void widenBy(QWidget& widget, int missing) {
    if (missing > 0)
        widget.resize(widget.width() + missing, widget.height());
}

} // namespace

void widenToFitCaptions(QWidget& window) {
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!qobject_cast<QCheckBox*>(button) && !qobject_cast<QRadioButton*>(button))
            continue;
        const QString caption = QString(button->text()).remove(QLatin1Char('&'));
        widenBy(*button, inkWidth(button->fontMetrics(), caption) - captionRect(*button).width());
    }
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->textFormat() == Qt::RichText || label->text().isEmpty())
            continue;
        widenBy(*label,
                inkWidth(label->fontMetrics(), label->text()) - label->contentsRect().width());
    }
}
