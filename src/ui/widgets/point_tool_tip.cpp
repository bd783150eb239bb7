#include "ui/widgets/point_tool_tip.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

bool showPointToolTip(QWidget& widget, QEvent* event,
                      const std::function<QString(QPoint)>& textAt) {
    if (event->type() != QEvent::ToolTip)
        return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString text = textAt(help->pos());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, &widget);
    return true;
}
