// What the review schedule holds, as the Progress window shows it: how many reviews fall due on
// each of the coming days, and per topic and deck how many sentences are in review.
#pragma once

#include <QHash>
#include <QString>
#include <array>

struct ReviewCounts {
    int inReview = 0; // sentences the schedule holds
    int dueToday = 0; // of those, due by the end of today (overdue ones included)
};

struct ReviewOutlook {
    static constexpr int kForecastDays = 30;
    // Day 0 is today (with everything overdue), day 1 tomorrow, …; days are the learner's local
    // calendar days.
    std::array<int, kForecastDays> duePerDay{};
    QHash<int, ReviewCounts> perTopic;    // by named topic, 1 to 21
    QHash<QString, ReviewCounts> perDeck; // by deck name
};
