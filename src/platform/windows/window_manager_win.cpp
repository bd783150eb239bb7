// Windows frames every window itself, so no other program ever holds one.
#include "platform/os_services.h"

bool heldByWindowManager(const QWidget&) {
    return false;
}
