// The wheel's movement turned into steps: one per notch, quiet for 300 ms after each notch.
#include "core/learning/wheel_notches.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

TEST(WheelNotches, turnsMovementIntoOneStepPerNotchIgnoringFlicks) {
    const struct {
        const char* what;
        std::vector<std::pair<int, qint64>> turns; // the wheel's delta, at this time in ms
        std::vector<int> steps;
    } cases[] = {
        {"down is next, up is previous", {{-120, 0}, {120, 400}}, {1, -1}},
        {"a flick restarts the quiet time", {{-120, 0}, {-120, 250}, {-120, 500}}, {1, 0, 0}},
        {"notches 300 ms apart each count", {{-120, 0}, {-120, 300}, {120, 600}}, {1, 1, -1}},
        {"a fine wheel's fractions add up to a notch", {{-40, 0}, {-40, 10}, {-40, 20}}, {0, 0, 1}},
        {"turning back discards the fraction", {{-100, 0}, {60, 10}, {60, 20}}, {0, 0, -1}},
    };
    for (const auto& c : cases) {
        WheelNotches wheel;
        std::vector<int> steps;
        for (const auto& [delta, atMs] : c.turns)
            steps.push_back(wheel.step(delta, atMs));
        EXPECT_EQ(steps, c.steps) << c.what;
    }
}

} // namespace
