// Turns wheel movement over the bar into sentence steps: one per notch, and a notch that comes
// within 300 ms of the one before is ignored, so a flick moves one sentence, not a dozen.
#pragma once

#include <QtGlobal>
#include <optional>

class WheelNotches {
public:
    static constexpr int kNotch = 120; // eighths of a degree
    static constexpr qint64 kQuietMs = 300;

    // angleDelta as the wheel event gives it (positive: rolled away from the learner); now in
    // milliseconds on any steady clock. Returns +1 (next: rolled down), -1 (previous: rolled
    // up) or 0.
    int step(int angleDelta, qint64 nowMs);

private:
    int m_partial = 0; // fine-grained wheels and touchpads send fractions of a notch
    std::optional<qint64> m_lastNotchMs;
};
