// Positions and sizes are kept in twips, the unit the layouts are written in, and converted to
// logical pixels here only: 15 twips to a pixel (1440 twips an inch at 96 logical dots an inch).
#pragma once

#include <QRect>
#include <cmath>

namespace Twips {

inline constexpr int kPerPixel = 15;

// Nearest pixel, halves to even.
inline int toPixels(double twips) {
    return static_cast<int>(std::nearbyint(twips / kPerPixel));
}

// Whole-number division: the operand is rounded first, then the quotient truncated.
inline int toPixelsTruncated(double twips) {
    return static_cast<int>(std::nearbyint(twips)) / kPerPixel;
}

inline double fromPixels(int pixels) {
    return static_cast<double>(pixels) * kPerPixel;
}

inline QRect rect(double left, double top, double width, double height) {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

} // namespace Twips
