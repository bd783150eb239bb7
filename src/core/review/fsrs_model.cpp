#include "core/review/fsrs_model.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// What a fit of the generation before the decay weight was learnable used for it.
constexpr double kOlderDecay = 0.5;

double clampStability(double s) {
    return std::clamp(s, fsrs::kMinStability, fsrs::kMaxStability);
}
double clampDifficulty(double d) {
    return std::clamp(d, fsrs::kMinDifficulty, fsrs::kMaxDifficulty);
}
int number(Grade grade) {
    return static_cast<int>(grade);
}
double decay(const FsrsWeights& weights) {
    return -weights.w[20];
}
// Chosen so that recall is exactly 90 % when the elapsed time equals the stability.
double curveFactor(const FsrsWeights& weights) {
    return std::pow(0.9, 1 / decay(weights)) - 1;
}
// Unclamped: mean reversion pulls towards it even where it lies below the lowest difficulty.
double rawInitialDifficulty(const FsrsWeights& weights, Grade grade) {
    const auto& w = weights.w;
    return w[4] - std::exp(w[5] * (number(grade) - 1)) + 1;
}

} // namespace

FsrsWeights FsrsWeights::defaults() {
    return {{0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,  1.8722, 0.1666, 0.796,
             1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542}};
}

std::optional<FsrsWeights> FsrsWeights::fromText(const QString& text, QString* whyNot) {
    auto refuse = [whyNot](const QString& reason) {
        if (whyNot)
            *whyNot = reason;
        return std::nullopt;
    };
    if (text.trimmed().isEmpty())
        return refuse(QStringLiteral("no numbers given"));
    std::vector<double> numbers;
    for (const QString& part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const double value = part.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(value))
            return refuse(QStringLiteral("\"%1\" is not a number").arg(part.trimmed()));
        numbers.push_back(value);
    }
    const auto count = numbers.size();
    if (count == 17) {
        // The older initial-difficulty curve, rewritten in the newer one's terms.
        numbers[4] += 2 * numbers[5];
        numbers[5] = std::log(3 * numbers[5] + 1) / 3;
        numbers[6] += 0.5;
        numbers.insert(numbers.end(), {0, 0, 0, kOlderDecay}); // no same-day rule, older curve
    } else if (count == 19) {
        numbers.insert(numbers.end(), {0, kOlderDecay});
    } else if (count != 21) {
        return refuse(
            QStringLiteral("expected 21 numbers (or 19 or 17 from an older fit), found %1")
                .arg(count));
    }
    if (!std::all_of(numbers.begin(), numbers.end(), [](double v) { return std::isfinite(v); }))
        return refuse(QStringLiteral("the older numbers cannot be upgraded"));
    if (numbers[20] <= 0)
        return refuse(
            QStringLiteral("the last number, the forgetting curve's decay, must be above 0"));
    FsrsWeights weights;
    std::copy(numbers.begin(), numbers.end(), weights.w.begin());
    return weights;
}

namespace fsrs {

double retrievability(const FsrsWeights& weights, double elapsedDays, double stability) {
    return std::pow(1 + curveFactor(weights) * std::max(0.0, elapsedDays) / stability,
                    decay(weights));
}

MemoryState initialState(const FsrsWeights& weights, Grade grade) {
    return {clampStability(weights.w[number(grade) - 1]),
            clampDifficulty(rawInitialDifficulty(weights, grade))};
}

double nextDifficulty(const FsrsWeights& weights, double difficulty, Grade grade) {
    const auto& w = weights.w;
    const double change = -w[6] * (number(grade) - 3);
    // The closer to the top, the smaller a step up, so difficulty never runs away.
    const double damped = difficulty + change * (10 - difficulty) / 9;
    const double target = rawInitialDifficulty(weights, Grade::Easy);
    return clampDifficulty(w[7] * target + (1 - w[7]) * damped);
}

double stabilityAfterSuccess(const FsrsWeights& weights, const MemoryState& memory, double r,
                             Grade grade) {
    const auto& w = weights.w;
    const double hardPenalty = grade == Grade::Hard ? w[15] : 1;
    const double easyBonus = grade == Grade::Easy ? w[16] : 1;
    const double s = memory.stability;
    return s * (1 + std::exp(w[8]) * (11 - memory.difficulty) * std::pow(s, -w[9]) *
                        (std::exp((1 - r) * w[10]) - 1) * hardPenalty * easyBonus);
}

double stabilityAfterFailure(const FsrsWeights& weights, const MemoryState& memory, double r) {
    const auto& w = weights.w;
    const double s = memory.stability;
    const double longTerm = w[11] * std::pow(memory.difficulty, -w[12]) *
                            (std::pow(s + 1, w[13]) - 1) * std::exp((1 - r) * w[14]);
    // A lapse never leaves the memory stronger than it was before.
    return std::min(longTerm, s / std::exp(w[17] * w[18]));
}

double sameDayStability(const FsrsWeights& weights, double stability, Grade grade) {
    const auto& w = weights.w;
    double factor = std::exp(w[17] * (number(grade) - 3 + w[18])) * std::pow(stability, -w[19]);
    // A pass the same day may add little to a strong memory, but it never weakens it.
    if (grade != Grade::Again)
        factor = std::max(factor, 1.0);
    return stability * factor;
}

MemoryState nextState(const FsrsWeights& weights, const MemoryState& memory, double elapsedDays,
                      Grade grade) {
    double stability;
    if (elapsedDays < 1) {
        stability = sameDayStability(weights, memory.stability, grade);
    } else {
        const double r = retrievability(weights, elapsedDays, memory.stability);
        stability = grade == Grade::Again ? stabilityAfterFailure(weights, memory, r)
                                          : stabilityAfterSuccess(weights, memory, r, grade);
    }
    return {clampStability(stability), nextDifficulty(weights, memory.difficulty, grade)};
}

int intervalDays(const FsrsWeights& weights, double stability) {
    const double days =
        stability / curveFactor(weights) * (std::pow(kDesiredRetention, 1 / decay(weights)) - 1);
    return static_cast<int>(std::clamp(std::round(days), 1.0, double(kMaxIntervalDays)));
}

} // namespace fsrs
