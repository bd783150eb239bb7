// Windows always has its desktop.
#include "platform/os_services.h"

QString unreachableDisplay() {
    return {};
}
