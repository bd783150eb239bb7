// Windows always has its desktop, and Qt follows its size on its own.
#include "platform/os_services.h"

QSize windowSystemScreenSize() {
    return {};
}

QString unreachableDisplay() {
    return {};
}
