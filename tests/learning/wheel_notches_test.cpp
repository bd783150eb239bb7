// Wheel movement to sentence steps: one per notch, quiet for 300 ms after each notch.
#include "learning/wheel_notches.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct Turn {
    int delta;
    qint64 atMs;
};

TEST(WheelNotches, turnsMovementIntoOneStepPerNotchIgnoringFlicks) {
    struct Case {
        const char* what;
        std::vector<Turn> turns;
        std::vector<int> steps;
    };
    const Case cases[] = {
        {"down is next, up is previous", {{-120, 0}, {120, 400}}, {1, -1}},
        {"each notch of a flick restarts the quiet time",
         {{-120, 0}, {-120, 250}, {-120, 500}},
         {1, 0, 0}},
        {"notches 300 ms apart each count", {{-120, 0}, {-120, 300}, {120, 600}}, {1, 1, -1}},
        {"a fine wheel's fractions add up to a notch", {{-40, 0}, {-40, 10}, {-40, 20}}, {0, 0, 1}},
        {"turning back discards the fraction", {{-100, 0}, {60, 10}, {60, 20}}, {0, 0, -1}},
    };
    for (const Case& c : cases) {
        WheelNotches wheel;
        std::vector<int> steps;
        for (const Turn& turn : c.turns)
            steps.push_back(wheel.step(turn.delta, turn.atMs));
        EXPECT_EQ(steps, c.steps) << c.what;
    }
}

} // namespace
