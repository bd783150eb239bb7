#include "platform/windows/system_colors_win32.h"

namespace system_colors {

Rgb fromColorRef(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

Rgb current(int index) {
    return fromColorRef(GetSysColor(index));
}

} // namespace system_colors
