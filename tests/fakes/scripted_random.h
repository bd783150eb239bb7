// Draws the values it is given, in turn, and counts the reseeds.
#pragma once

#include "core/playback/random_source.h"

#include <deque>

class ScriptedRandom : public RandomSource {
public:
    void reseed() override { ++reseeds; }
    float draw() override {
        ++draws;
        if (values.empty())
            return 0.0f;
        const float r = values.front();
        values.pop_front();
        return r;
    }
    std::deque<float> values;
    int reseeds = 0, draws = 0;
};
