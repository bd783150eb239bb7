// Screen geometry the bar works with, in screen pixels, as the window system reports it.
#pragma once

#include <cstdint>

struct POINT {
    int32_t x = 0;
    int32_t y = 0;
};

struct RECT {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// Right and bottom edges lie outside the rectangle.
inline bool PtInRect(const RECT& rc, const POINT& pt) {
    return pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom;
}

// Where the pointer is: GetCursorPos.
class PointerSource {
public:
    virtual ~PointerSource() = default;
    virtual POINT GetCursorPos() const = 0;
};
