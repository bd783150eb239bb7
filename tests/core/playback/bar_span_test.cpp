// How wide the bar is on its monitor, where its left edge may go, and the strut it asks for.
#include "core/playback/bar_span.h"

#include <gtest/gtest.h>

namespace {

using namespace BarSpan;

TEST(BarSpan, widthIsNormalTwiceNormalOrTheMonitorsAndTheLeftEdgeKeepsItOnTheMonitor) {
    const double monitor = 1024 * 15;
    EXPECT_EQ(width(1, 800 * 15), 800 * 15) << "wide, never wider than its monitor";
    EXPECT_EQ(width(2, 400 * 15), kNormalWidth) << "never narrower than Normal";
    EXPECT_EQ(clampLeft(20000, clampWidth(0, monitor), monitor), monitor - 7110) << "the picture";
    EXPECT_EQ(clampLeft(20000, clampWidth(1, monitor), monitor), monitor - 14310);
    EXPECT_EQ(clampLeft(3000, clampWidth(2, monitor), monitor), 0);
}

// left, right, top, bottom; then each one's start and end: left, right, top, bottom.
TEST(TopStrut, coversTheMonitorsColumnsDownToTheBarsBottomEdgeFromTheDesktopsTop) {
    using Strut = std::array<uint32_t, 12>;
    EXPECT_EQ(topStrut({0, 0, 1920, 1080}, 23), (Strut{0, 0, 23, 0, 0, 0, 0, 0, 0, 1919, 0, 0}))
        << "alone, or left of a primary on the right";
    EXPECT_EQ(topStrut({1920, 0, 1280, 1024}, 23),
              (Strut{0, 0, 23, 0, 0, 0, 0, 0, 1920, 3199, 0, 0}))
        << "right of another";
    EXPECT_EQ(topStrut({0, 1080, 1920, 1080}, 23),
              (Strut{0, 0, 1103, 0, 0, 0, 0, 0, 0, 1919, 0, 0}))
        << "below another";
    EXPECT_EQ(topStrut({1920, 360, 1280, 720}, 34),
              (Strut{0, 0, 394, 0, 0, 0, 0, 0, 1920, 3199, 0, 0}))
        << "shorter beside a taller one, bottoms aligned";
}

} // namespace
