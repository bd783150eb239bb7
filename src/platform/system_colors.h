// The window system's colours that the windows use, by their GetSysColor index.
#pragma once

#include <QColor>

enum class SystemColor {
    Background = 1,      // COLOR_BACKGROUND, the desktop
    InactiveCaption = 3, // COLOR_INACTIVECAPTION
    Window = 5,          // COLOR_WINDOW
    WindowText = 8,      // COLOR_WINDOWTEXT
};

// Windows: the user's colour scheme. Elsewhere: a fixed scheme (linux/system_colors_linux.cpp).
QColor systemColor(SystemColor which);
