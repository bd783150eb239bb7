// Windows frames every window itself, so no other program ever holds one.
#include "platform/os_services.h"

#include <QWidget>

bool heldByWindowManager(const QWidget&) {
    return false;
}

// Windows tells Qt where it puts each window.
QPoint placeOnScreen(const QWidget& window) {
    return window.frameGeometry().topLeft();
}
