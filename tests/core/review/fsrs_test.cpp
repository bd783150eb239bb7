// The memory model and the scheduler against the values the public FSRS implementations publish.
#include "core/review/review_card.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

constexpr qint64 kDay = ReviewScheduler::kDayMs;
constexpr qint64 kMinute = ReviewScheduler::kMinuteMs;
const qint64 kStart = 1669725000000; // 2022-11-29 12:30 UTC
const auto G1 = Grade::Again, G2 = Grade::Hard, G3 = Grade::Good, G4 = Grade::Easy;

TEST(FsrsModel, recallWithADayOfStabilityFallsAlongTheCurve) {
    FsrsWeights weights = FsrsWeights::defaults();
    weights.w[20] = 0.2;
    const std::pair<double, double> rows[] = {{0, 1}, {1, 0.9}, {2, 0.84028935}, {3, 0.7985001}};
    for (const auto& [days, recall] : rows)
        EXPECT_NEAR(fsrs::retrievability(weights, days, 1.0), recall, 1e-6) << days;
}

TEST(FsrsModel, aPassTheSameDayNeverWeakensAndALapseDoes) {
    for (double s : {0.01, 0.5, 2.3, 10.0, 400.0, 30000.0}) {
        for (Grade grade : {G2, G3, G4})
            EXPECT_GE(fsrs::sameDayStability(FsrsWeights::defaults(), s, grade), s) << s;
        EXPECT_LT(fsrs::sameDayStability(FsrsWeights::defaults(), s, G1), s) << s;
    }
}

TEST(FsrsModel, againThenGoodsOverThreeWeeksReachTheReferenceMemory) {
    FsrsWeights noSameDayRule = FsrsWeights::defaults();
    noSameDayRule.w[17] = noSameDayRule.w[18] = noSameDayRule.w[19] = 0;
    const std::pair<FsrsWeights, double> rows[] = {{FsrsWeights::defaults(), 53.62691},
                                                   {noSameDayRule, 53.335106}};
    const std::pair<Grade, int> reviews[] = {{G1, 0}, {G3, 0}, {G3, 1}, {G3, 3}, {G3, 8}, {G3, 21}};
    for (const auto& [weights, stability] : rows) {
        ReviewCard card;
        qint64 now = kStart;
        for (const auto& [grade, days] : reviews)
            card = ReviewScheduler(weights).review(card, grade, now += days * kDay);
        EXPECT_NEAR(card.memory.stability, stability, 1e-4);
        EXPECT_NEAR(card.memory.difficulty, 6.3574867, 1e-4);
    }
}

TEST(FsrsWeights, fittedNumbersAreTakenOlderOnesUpgradedOthersRefused) {
    QStringList numbers;
    for (double w : FsrsWeights::defaults().w)
        numbers << QString::number(w, 'g', 17);
    const QString older = "0.4, 0.6, 2.4, 5.8, 4.93, 0.94, 0.86, 0.01, 1.49, 0.14, 0.94, 2.18, "
                          "0.05, 0.34, 1.26, 0.29, 2.61";
    // {text, then w4, w5, w6, w19 and w20 as taken}
    const std::pair<QString, std::vector<double>> taken[] = {
        {numbers.join(','), {6.4133, 0.8334, 3.0194, 0.0658, 0.1542}},
        {numbers.mid(0, 19).join(','), {6.4133, 0.8334, 3.0194, 0, 0.5}},
        {older, {6.81, 0.44675013, 1.36, 0, 0.5}}};
    for (const auto& [text, want] : taken) {
        const auto weights = FsrsWeights::fromText(text, nullptr);
        ASSERT_TRUE(weights) << text.toStdString();
        const int at[] = {4, 5, 6, 19, 20};
        for (size_t i = 0; i < want.size(); ++i)
            EXPECT_NEAR(weights->w[at[i]], want[i], 1e-6) << text.toStdString() << " w" << at[i];
    }
    const QString twenty = numbers.mid(0, 20).join(',');
    for (const QString& text : {twenty, twenty + ",x", twenty + ",0", QString()}) {
        QString whyNot;
        EXPECT_FALSE(FsrsWeights::fromText(text, &whyNot)) << text.toStdString();
        EXPECT_FALSE(whyNot.isEmpty()) << text.toStdString();
    }
}

TEST(ReviewScheduler, eachReviewAtTheDueTimeGivesTheReferenceIntervals) {
    const ReviewScheduler scheduler;
    ReviewCard card;
    card.dueMs = kStart;
    std::vector<qint64> days;
    std::string states; // Learning, Review, relearning
    for (char grade : std::string("3333331133333")) {
        card = scheduler.review(card, Grade(grade - '0'), card.dueMs);
        days.push_back((card.dueMs - card.lastReviewMs) / kDay);
        states += "NLRr"[int(card.state)];
    }
    EXPECT_EQ(days, (std::vector<qint64>{0, 2, 11, 46, 163, 498, 0, 0, 2, 4, 7, 12, 21}));
    EXPECT_EQ(states, "LRRRRRrrRRRRR");
    EXPECT_EQ(card.lapses, 1);
}

TEST(ReviewScheduler, shortStepsAreInMinutesAndBetterAnswersWaitLonger) {
    const ReviewScheduler scheduler;
    const ReviewCard fresh;
    const ReviewCard learnt = scheduler.review(fresh, G4, kStart);
    const ReviewCard lapsed = scheduler.review(learnt, G1, learnt.dueMs);
    const ReviewCard weak = scheduler.review(fresh, G1, kStart);
    const std::tuple<ReviewCard, Grade, qint64> rows[] = {
        {fresh, G1, 1 * kMinute},   {fresh, G2, 11 * kMinute / 2},
        {fresh, G3, 10 * kMinute},  {fresh, G4, 8 * kDay},
        {learnt, G1, 10 * kMinute}, {lapsed, G1, 10 * kMinute},
        {lapsed, G2, 15 * kMinute}, {weak, G4, kDay}};
    for (const auto& [card, grade, wait] : rows)
        EXPECT_EQ(scheduler.review(card, grade, kStart).dueMs - kStart, wait) << int(grade);
    qint64 shorter = 0; // on the day it is due, each better answer waits longer
    for (Grade grade : {G1, G2, G3, G4}) {
        const qint64 wait = scheduler.review(learnt, grade, learnt.dueMs).dueMs - learnt.dueMs;
        EXPECT_GT(wait, std::exchange(shorter, wait)) << int(grade);
    }
}

TEST(ReviewScheduler, endlessAnswersStayWithinTheLimits) {
    const ReviewScheduler scheduler;
    ReviewCard easy;
    for (int i = 0; i < 10; ++i)
        easy = scheduler.review(easy, G4, kStart + i);
    EXPECT_EQ(easy.memory.difficulty, 1.0);
    ReviewCard again = scheduler.review(ReviewCard(), G1, kStart);
    for (int i = 1; i < 1000; ++i) {
        const double before = again.memory.stability;
        again = scheduler.review(again, G1, kStart + i * i * kDay / 3); // then ever longer gaps
        ASSERT_LE(again.memory.stability, before) << i; // a lapse never strengthens a memory
    }
    EXPECT_EQ(again.memory.stability, fsrs::kMinStability);
}

TEST(ReviewScheduler, aClockSetBackCountsAsTheSameDay) {
    const ReviewScheduler scheduler;
    ReviewCard card = scheduler.review(ReviewCard(), G4, kStart);
    card = scheduler.review(card, G3, card.dueMs);
    const double sameDay = scheduler.review(card, G3, card.lastReviewMs).memory.stability;
    for (qint64 back : {kMinute, kDay, 40 * kDay}) {
        const qint64 now = card.lastReviewMs - back;
        EXPECT_EQ(scheduler.review(card, G3, now).memory.stability, sameDay) << back;
        EXPECT_EQ(scheduler.retrievability(card, now), 1.0) << back;
        EXPECT_EQ(ReviewScheduler::elapsedDays(card.lastReviewMs, now), 0) << back;
    }
}

} // namespace
