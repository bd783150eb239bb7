// A picture whose tooltip depends on the point under the mouse: a bar, a day's square.
#pragma once

#include <QPoint>
#include <QString>
#include <functional>

class QEvent;
class QWidget;

// Shows textAt's text for a tooltip event, or hides the tooltip where it gives none. True when
// the event was a tooltip event, which is then handled.
bool showPointToolTip(QWidget& widget, QEvent* event, const std::function<QString(QPoint)>& textAt);
