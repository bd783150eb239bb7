// Speech runs inside the program on Windows: there is no daemon of its own to replace, and no
// signal ends a program whose peer went away.
#include "platform/os_services.h"

bool askProcessToEnd(qint64) {
    return false;
}

void ignoreBrokenPipes() {}
