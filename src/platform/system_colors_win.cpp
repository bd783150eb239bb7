#include "platform/system_colors.h"

#include <windows.h>

QColor systemColor(SystemColor which) {
    const DWORD bgr = GetSysColor(static_cast<int>(which));
    return {GetRValue(bgr), GetGValue(bgr), GetBValue(bgr)};
}
