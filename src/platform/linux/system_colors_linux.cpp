#include "platform/system_colors.h"

// Linux has no system colour scheme to ask, so these are fixed: the desktop colour is a deep blue
// on which the bar's white texts read well, and the rest are the usual Windows defaults.
QColor systemColor(SystemColor which) {
    switch (which) {
    case SystemColor::Background:
        return {0, 78, 152};
    case SystemColor::InactiveCaption:
        return {191, 205, 219};
    case SystemColor::Window:
        return {255, 255, 255};
    case SystemColor::WindowText:
        return {0, 0, 0};
    }
    return {0, 0, 0};
}
