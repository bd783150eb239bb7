// What the learner does while a sentence is on the bar, as grades: struggling with it (This one
// is hard, Replay, Replay slowly) is Again, knowing it is Easy and takes it out of review, and
// hearing it through untouched is Good. Only "This one is hard" brings a sentence into review,
// so a learner who does nothing hears the bar as before. One grade per showing: the first wins.
#pragma once

#include "core/review/review_schedule.h"

#include <optional>

class ReviewGrader {
public:
    explicit ReviewGrader(ReviewSchedule& schedule) : m_schedule(schedule) {}

    // A sentence comes on the bar at nowMs; none for one that cannot be reviewed.
    void showing(const std::optional<ReviewKey>& key, qint64 nowMs);
    const std::optional<ReviewKey>& current() const { return m_current; }

    // Each gives the card after its grade, or nothing when it graded nothing.
    std::optional<ReviewCard> markedHard(qint64 nowMs);
    std::optional<ReviewCard> readAgain(qint64 nowMs);
    // The sentence also leaves the schedule.
    std::optional<ReviewCard> markedKnown(qint64 nowMs);
    // It played through all its repeats.
    std::optional<ReviewCard> playedThrough(qint64 nowMs);

private:
    std::optional<ReviewCard> grade(Grade grade, qint64 nowMs, bool mayEnter);

    ReviewSchedule& m_schedule;
    std::optional<ReviewKey> m_current;
    qint64 m_shownAtMs = 0;
    bool m_graded = false;
};
