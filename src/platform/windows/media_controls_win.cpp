// Windows: the media keys are desktop-wide keys like the others; there is no session bus.
#include "platform/os_services.h"

std::unique_ptr<QObject> makeMediaControls(LearnerCommands&, PlayOrder&) {
    return nullptr;
}
