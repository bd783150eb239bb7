// Where the pointer is on the screen, in screen pixels, as the window system reports it.
#pragma once

#include <QPoint>

class PointerSource {
public:
    virtual ~PointerSource() = default;
    virtual QPoint cursorPos() const = 0;
};
