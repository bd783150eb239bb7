#include "core/playback/random_source.h"

#include <chrono>

void ClockSeededRandom::reseed() {
    // The count keeps two reseeds within one tick of the clock from repeating a draw.
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<unsigned>(now), static_cast<unsigned>(now >> 32), ++m_reseeds};
    m_engine.seed(seed);
}

float ClockSeededRandom::draw() {
    // 24 random bits give every float step of [0, 1) and never 1 itself.
    return static_cast<float>(m_engine() >> 8) / 16777216.0f;
}
