// How well a sentence is remembered and how each grade changes that: the FSRS-6 memory model.
#pragma once

#include <QString>
#include <array>
#include <optional>

// What the learner's answer says about their memory; the numbers are those the optimizers read.
enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

// The 21 numbers the model is fitted by. The defaults were fitted on many learners' reviews; a
// learner may paste their own, fitted on their review log.
struct FsrsWeights {
    std::array<double, 21> w;

    static FsrsWeights defaults();
    // Comma-separated numbers. Older fittings (19 or 17 numbers) are upgraded the way the public
    // optimizers upgrade them, so a learner's earlier fit keeps working. Gives nothing and a
    // one-line reason when the text cannot be used.
    static std::optional<FsrsWeights> fromText(const QString& text, QString* whyNot);
};

// Stability: days until recall falls to 90 %. Difficulty: 1 (easy) to 10 (hard).
struct MemoryState {
    double stability = 0;
    double difficulty = 0;
};

namespace fsrs {

constexpr double kMinStability = 0.001;
constexpr double kMaxStability = 36500;
constexpr double kMinDifficulty = 1;
constexpr double kMaxDifficulty = 10;
constexpr double kDesiredRetention = 0.9;
constexpr int kMaxIntervalDays = 36500;

// The chance of recall after elapsedDays, on the forgetting curve whose shape is the last weight.
double retrievability(const FsrsWeights& weights, double elapsedDays, double stability);
// The memory a first answer leaves.
MemoryState initialState(const FsrsWeights& weights, Grade grade);
double nextDifficulty(const FsrsWeights& weights, double difficulty, Grade grade);
// After a pass (Hard, Good or Easy) a day or more after the last review, recalled with chance r.
double stabilityAfterSuccess(const FsrsWeights& weights, const MemoryState& memory, double r,
                             Grade grade);
// After a lapse a day or more after the last review.
double stabilityAfterFailure(const FsrsWeights& weights, const MemoryState& memory, double r);
// After a review on the same day as the last one.
double sameDayStability(const FsrsWeights& weights, double stability, Grade grade);
// One review of a card already remembered, elapsedDays (whole days, 0 the same day) after the last.
MemoryState nextState(const FsrsWeights& weights, const MemoryState& memory, double elapsedDays,
                      Grade grade);
// Whole days until recall falls to the desired retention: at least 1, at most kMaxIntervalDays.
int intervalDays(const FsrsWeights& weights, double stability);

} // namespace fsrs
