// The user's colour scheme in plain Win32, so it builds and is tested without Qt. Windows only.
#pragma once

#include <windows.h>

namespace system_colors {

struct Rgb {
    BYTE red;
    BYTE green;
    BYTE blue;
};

// A COLORREF keeps red in its lowest byte (0x00BBGGRR), the reverse of the usual #RRGGBB.
Rgb fromColorRef(COLORREF colour);
// The colour of a GetSysColor index (COLOR_WINDOW, ...).
Rgb current(int index);

} // namespace system_colors
