#include "core/review/review_card.h"

#include <algorithm>
#include <iterator>

namespace {

qint64 floorDiv(qint64 a, qint64 b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

struct Steps {
    const qint64* first;
    int count;
};

Steps stepsFor(CardState state) {
    if (state == CardState::Relearning)
        return {ReviewScheduler::kRelearningStepsMs,
                int(std::size(ReviewScheduler::kRelearningStepsMs))};
    return {ReviewScheduler::kLearningStepsMs, int(std::size(ReviewScheduler::kLearningStepsMs))};
}

} // namespace

int ReviewScheduler::elapsedDays(qint64 fromMs, qint64 toMs) {
    return int(std::max<qint64>(0, floorDiv(toMs, kDayMs) - floorDiv(fromMs, kDayMs)));
}

double ReviewScheduler::retrievability(const ReviewCard& card, qint64 nowMs) const {
    if (card.state == CardState::New)
        return 0;
    return fsrs::retrievability(m_weights, elapsedDays(card.lastReviewMs, nowMs),
                                card.memory.stability);
}

ReviewCard ReviewScheduler::review(const ReviewCard& card, Grade grade, qint64 nowMs) const {
    ReviewCard next = card;
    if (card.state == CardState::New) {
        next.memory = fsrs::initialState(m_weights, grade);
        next.state = CardState::Learning;
        next.step = 0;
    } else {
        next.memory =
            fsrs::nextState(m_weights, card.memory, elapsedDays(card.lastReviewMs, nowMs), grade);
    }
    next.lastReviewMs = nowMs;

    auto graduate = [&] {
        next.state = CardState::Review;
        next.step = 0;
        return fsrs::intervalDays(m_weights, next.memory.stability) * kDayMs;
    };
    qint64 waitMs = 0;
    if (next.state == CardState::Review) {
        if (grade == Grade::Again) {
            ++next.lapses;
            next.state = CardState::Relearning;
            next.step = 0;
            waitMs = kRelearningStepsMs[0];
        } else {
            waitMs = graduate();
        }
    } else {
        const Steps steps = stepsFor(next.state);
        // A stored step past the last one (from a file written with more steps) counts as done.
        if (next.step >= steps.count && grade != Grade::Again) {
            waitMs = graduate();
        } else if (grade == Grade::Again) {
            next.step = 0;
            waitMs = steps.first[0];
        } else if (grade == Grade::Hard) {
            // Hard repeats the step; the first one a little longer, halfway to the next.
            if (next.step == 0)
                waitMs = steps.count == 1 ? steps.first[0] * 3 / 2
                                          : (steps.first[0] + steps.first[1]) / 2;
            else
                waitMs = steps.first[next.step];
        } else if (grade == Grade::Good && next.step + 1 < steps.count) {
            waitMs = steps.first[++next.step];
        } else {
            waitMs = graduate();
        }
    }
    next.dueMs = nowMs + waitMs;
    return next;
}
