#include "platform/system_colors_win32.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

std::tuple<int, int, int> channels(system_colors::Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

TEST(SystemColors, aColorRefKeepsRedInItsLowestByte) {
    const struct {
        COLORREF colour;
        std::tuple<int, int, int> rgb;
    } cases[] = {
        {0x000000FF, {255, 0, 0}}, {0x0000FF00, {0, 255, 0}},  {0x00FF0000, {0, 0, 255}},
        {RGB(1, 2, 3), {1, 2, 3}}, {0x00984E00, {0, 78, 152}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(channels(system_colors::fromColorRef(c.colour)), c.rgb) << std::hex << c.colour;
}

TEST(SystemColors, theCurrentSchemeIsReadInRedGreenBlueOrder) {
    const int index = COLOR_WINDOW;
    const COLORREF before = GetSysColor(index);
    const COLORREF changed = RGB(10, 20, 30);
    ASSERT_TRUE(SetSysColors(1, &index, &changed));
    EXPECT_EQ(channels(system_colors::current(index)), std::make_tuple(10, 20, 30));
    SetSysColors(1, &index, &before);
}

} // namespace
