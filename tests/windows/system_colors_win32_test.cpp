#include "platform/windows/system_colors_win32.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

std::tuple<int, int, int> channels(system_colors::Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

// Distinct channels show a COLORREF (red in its lowest byte) read the right way round.
TEST(SystemColors, theCurrentSchemeIsReadInRedGreenBlueOrder) {
    const int index = COLOR_WINDOW;
    const COLORREF before = GetSysColor(index);
    const COLORREF changed = RGB(10, 20, 30);
    ASSERT_TRUE(SetSysColors(1, &index, &changed));
    EXPECT_EQ(channels(system_colors::current(index)), std::make_tuple(10, 20, 30));
    SetSysColors(1, &index, &before);
}

} // namespace
