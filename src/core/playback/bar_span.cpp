#include "core/playback/bar_span.h"

#include <algorithm>

namespace BarSpan {

double width(int choice, double monitorWidth) {
    switch (choice) {
    case 1:
        return std::min(2.0 * kNormalWidth, std::max<double>(kNormalWidth, monitorWidth));
    case 2:
        return std::max<double>(kNormalWidth, monitorWidth);
    default:
        return kNormalWidth;
    }
}

double clampWidth(int choice, double monitorWidth) {
    return choice == 0 ? kNormalClamp : width(choice, monitorWidth);
}

double textScale(int choice) {
    return choice == 2 ? 1.5 : choice == 1 ? 1.25 : 1.0;
}

float clampLeft(float left, double clampWidth, double monitorWidth) {
    // In this order, so that on a monitor narrower than the bar it is the left end that shows.
    if (!(left > 0))
        left = 0;
    if (left + static_cast<float>(clampWidth) > static_cast<float>(monitorWidth))
        left = static_cast<float>(monitorWidth - clampWidth);
    return left;
}

} // namespace BarSpan

std::array<uint32_t, 12> topStrut(const QRect& monitor, int height) {
    std::array<uint32_t, 12> strut{};
    strut[2] = static_cast<uint32_t>(std::max(0, monitor.top() + height));
    strut[8] = static_cast<uint32_t>(std::max(0, monitor.left()));
    strut[9] = static_cast<uint32_t>(std::max(0, monitor.right()));
    return strut;
}
