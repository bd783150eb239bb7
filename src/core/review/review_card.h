// A sentence's place in the review schedule and what one grade does to it.
// A new or forgotten sentence goes through short steps in minutes, a remembered one comes back
// after days.
#pragma once

#include "core/review/fsrs_model.h"

#include <QtGlobal>

enum class CardState { New, Learning, Review, Relearning };

// Times are milliseconds since the epoch (UTC).
struct ReviewCard {
    CardState state = CardState::New;
    int step = 0; // which short step, while learning or relearning
    MemoryState memory;
    qint64 lastReviewMs = 0; // meaningless while new
    qint64 dueMs = 0;
    int lapses = 0; // times forgotten after it had been learnt
};

class ReviewScheduler {
public:
    explicit ReviewScheduler(FsrsWeights weights = FsrsWeights::defaults()) : m_weights(weights) {}

    // The card after a grade given at nowMs. No random spread is added to the intervals, so the
    // same answers always give the same schedule.
    ReviewCard review(const ReviewCard& card, Grade grade, qint64 nowMs) const;
    // The chance the sentence is recalled at nowMs; 0 for one never heard.
    double retrievability(const ReviewCard& card, qint64 nowMs) const;
    // Whole UTC calendar days between two times; never below 0, so a clock set back behaves as
    // a review the same day.
    static int elapsedDays(qint64 fromMs, qint64 toMs);

    static constexpr qint64 kMinuteMs = 60 * 1000;
    static constexpr qint64 kDayMs = 24 * 60 * kMinuteMs;
    static constexpr qint64 kLearningStepsMs[] = {1 * kMinuteMs, 10 * kMinuteMs};
    static constexpr qint64 kRelearningStepsMs[] = {10 * kMinuteMs};

private:
    FsrsWeights m_weights;
};
