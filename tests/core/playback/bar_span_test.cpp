// How wide the bar is on its monitor, where its left edge may go, and the strut it asks for.
#include "core/playback/bar_span.h"

#include <gtest/gtest.h>

namespace {

using BarSpan::clampLeft;
using BarSpan::clampWidth;
using BarSpan::width;

TEST(BarSpan, widthIsNormalTwiceNormalOrTheMonitors) {
    EXPECT_EQ(width(0, 1920 * 15), 7155);
    EXPECT_EQ(width(1, 1920 * 15), 14310);
    EXPECT_EQ(width(2, 1920 * 15), 1920 * 15);
    EXPECT_EQ(width(1, 800 * 15), 800 * 15) << "wide, never wider than its monitor";
    EXPECT_EQ(width(2, 400 * 15), 7155) << "never narrower than Normal";
}

TEST(BarSpan, leftEdgeKeepsThePictureOnANormalBarAndTheWholeOfAWiderOne) {
    const double monitor = 1024 * 15;
    EXPECT_EQ(clampLeft(20000, clampWidth(0, monitor), monitor), monitor - 7110);
    EXPECT_EQ(clampLeft(20000, clampWidth(1, monitor), monitor), monitor - 14310);
    EXPECT_EQ(clampLeft(3000, clampWidth(2, monitor), monitor), 0);
    EXPECT_EQ(clampLeft(-50, clampWidth(0, monitor), monitor), 0);
    EXPECT_EQ(clampLeft(3000, clampWidth(0, monitor), monitor), 3000);
}

// left, right, top, bottom, then the start and end of each: left, right, top, bottom.
using Strut = std::array<uint32_t, 12>;

TEST(TopStrut, coversTheMonitorsColumnsDownToTheBarsBottomEdge) {
    const struct {
        const char* layout;
        QRect monitor;
        Strut strut;
    } cases[] = {
        {"alone", {0, 0, 1024, 768}, {0, 0, 23, 0, 0, 0, 0, 0, 0, 1023, 0, 0}},
        {"right of another", {1920, 0, 1280, 1024}, {0, 0, 23, 0, 0, 0, 0, 0, 1920, 3199, 0, 0}},
        {"primary on the right, bar on the left one",
         {0, 0, 1920, 1080},
         {0, 0, 23, 0, 0, 0, 0, 0, 0, 1919, 0, 0}},
        {"below another", {0, 1080, 1920, 1080}, {0, 0, 1103, 0, 0, 0, 0, 0, 0, 1919, 0, 0}},
        {"shorter, bottoms aligned",
         {1920, 360, 1280, 720},
         {0, 0, 383, 0, 0, 0, 0, 0, 1920, 3199, 0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(topStrut(c.monitor, 23), c.strut) << c.layout;
}

} // namespace
