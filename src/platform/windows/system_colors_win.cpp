#include "platform/system_colors.h"
#include "platform/windows/system_colors_win32.h"

QColor systemColor(SystemColor which) {
    const system_colors::Rgb rgb = system_colors::current(static_cast<int>(which));
    return {rgb.red, rgb.green, rgb.blue};
}
