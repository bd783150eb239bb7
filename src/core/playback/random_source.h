// Uniform draws in [0, 1) from a generator re-seeded from the clock before every draw.
#pragma once

#include <random>

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    virtual float draw() = 0;
};

class ClockSeededRandom : public RandomSource {
public:
    void reseed() override;
    float draw() override;

private:
    std::mt19937 m_engine;
    unsigned m_reseeds = 0;
};
