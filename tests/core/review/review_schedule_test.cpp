// The review schedule in the learner's records, its log, its settings, and the grades the bar's
// commands give.
#include "core/review/review_grader.h"
#include "core/review/review_schedule.h"
#include "core/review/review_settings.h"
#include "fakes/fake_record_files.h"
#include "fakes/fake_settings_store.h"

#include <gtest/gtest.h>

namespace {

constexpr qint64 kMinute = ReviewScheduler::kMinuteMs;
constexpr qint64 kDay = ReviewScheduler::kDayMs;
const qint64 kStart = 1765200000000; // 2025-12-08 13:20 UTC
const ReviewKey kBonjour = ReviewKey::inDeck(QStringLiteral("Voyage"), QStringLiteral("bonjour"));

class Schedule : public ::testing::Test {
protected:
    QString log() const {
        return QString::fromUtf8(files.files.value(ReviewSchedule::kLogFileName));
    }

    FakeRecordFiles files;
    ReviewSchedule schedule{files};
    ReviewGrader grader{schedule};
};

TEST_F(Schedule, cardsComeBackAsWrittenAfterARestart) {
    schedule.grade(ReviewKey::ofTable(10105), Grade::Again, kStart);
    schedule.grade(kBonjour, Grade::Good, kStart);
    const ReviewCard graded = schedule.grade(kBonjour, Grade::Good, kStart + 10 * kMinute);
    ReviewSchedule restarted(files);
    restarted.load();
    EXPECT_EQ(restarted.size(), 2);
    const ReviewCard* read = restarted.card(kBonjour);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->state, graded.state);
    EXPECT_EQ(read->dueMs, graded.dueMs);
    EXPECT_DOUBLE_EQ(read->memory.stability, graded.memory.stability);
}

TEST_F(Schedule, aDamagedFileIsSetAsideSaidOnceAndReviewStartsEmpty) {
    files.files[ReviewSchedule::kFileName] = "{\"cards\": [{\"sentence\": 10105, \"state\": 7";
    testing::internal::CaptureStderr();
    schedule.load();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said,
              "dorvane: the review schedule /home/learner/.local/share/Dorvane/review.json cannot "
              "be read (invalid termination by number at byte 41): it is kept as "
              "/home/learner/.local/share/Dorvane/review.json.damaged and review starts again "
              "empty\n");
    EXPECT_EQ(schedule.size(), 0);
    EXPECT_TRUE(files.files.contains("review.json.damaged"));
}

TEST_F(Schedule, everyGradeIsOneLogLineUnderTheHeaderTheOptimizersRead) {
    schedule.grade(ReviewKey::ofTable(12205), Grade::Again, kStart, 4200);
    schedule.grade(ReviewKey::ofTable(10105), Grade::Good, kStart + kMinute, -5);
    EXPECT_EQ(log(), "card_id,review_time,review_rating,review_state,review_duration\n"
                     "10105,1765200000000,1,0,4200\n"
                     "10105,1765200060000,3,1,0\n");
}

TEST_F(Schedule, aDeckSentenceHasTheSameCardIdEveryRunWithinFortyEightBits) {
    EXPECT_EQ(kBonjour.cardId(), 253218961693410) << "2^47 + SHA-1 of \"Voyage\\x1fbonjour\"";
}

TEST_F(Schedule, weightsThatCannotBeUsedAreSaidInOneLineAndTheDefaultsServe) {
    FakeSettingsStore store;
    store.write(kSettingsApplication, ReviewKeys::kSection, ReviewKeys::kWeights, "0.2,1.3,x");
    testing::internal::CaptureStderr();
    const FsrsWeights weights = readReviewWeights(store);
    const QString said = QString::fromStdString(testing::internal::GetCapturedStderr());
    EXPECT_EQ(weights.w, FsrsWeights::defaults().w);
    EXPECT_EQ(said.count('\n'), 1);
    EXPECT_TRUE(said.startsWith("dorvane: the stored [Review] weights= cannot be used ("))
        << qPrintable(said);
}

TEST_F(Schedule, theLeastRecalledComesFirstAndAClockSetBackNeverGoesBelowNoTime) {
    const ReviewKey fresh = ReviewKey::ofTable(10201), faded = ReviewKey::ofTable(10202);
    for (const ReviewKey& key : {fresh, faded})
        schedule.grade(key, Grade::Easy, kStart - 40 * kDay); // straight into review
    schedule.grade(fresh, Grade::Good, kStart - 10 * kDay);
    EXPECT_EQ(schedule.due(kStart + 400 * kDay, QString()), QList<ReviewKey>({faded, fresh}));
    const ReviewCard back = schedule.grade(fresh, Grade::Again, kStart - 20 * kDay);
    EXPECT_EQ(back.dueMs, kStart - 20 * kDay + 10 * kMinute) << "relearning's 10 minutes";
    EXPECT_EQ(schedule.due(kStart - 20 * kDay + 9 * kMinute, QString()), QList<ReviewKey>({faded}));
    EXPECT_EQ(schedule.dueCount(kStart + 400 * kDay, QString()), 2) << "a jump forward: all due";
}

TEST_F(Schedule, theOutlookCountsByLocalDayTopicAndDeck) {
    const QTimeZone tokyo(9 * 3600);
    schedule.grade(ReviewKey::ofTable(10105), Grade::Again, kStart - kDay); // overdue
    schedule.grade(ReviewKey::ofTable(10106), Grade::Again, kStart + 10 * 3600 * 1000);
    schedule.grade(kBonjour, Grade::Easy, kStart);
    const ReviewOutlook outlook = schedule.outlook(kStart, tokyo); // 22:20 there
    EXPECT_EQ(outlook.duePerDay[0], 1);
    EXPECT_EQ(outlook.duePerDay[1], 1) << "after midnight in Tokyo";
    EXPECT_EQ(outlook.perTopic.value(1).inReview, 2);
    EXPECT_EQ(outlook.perTopic.value(1).dueToday, 1);
    EXPECT_EQ(outlook.perDeck.value("Voyage").inReview, 1);
}

TEST_F(Schedule, onlyHardBringsASentenceInAndTheFirstGradeOfAShowingWins) {
    grader.showing(ReviewKey::ofTable(10105), kStart);
    EXPECT_FALSE(grader.readAgain(kStart));
    EXPECT_FALSE(grader.playedThrough(kStart));
    EXPECT_FALSE(grader.markedKnown(kStart));
    EXPECT_EQ(schedule.size(), 0) << "heard, replayed, known: still out of review";
    EXPECT_TRUE(grader.markedHard(kStart + 3000));
    EXPECT_FALSE(grader.markedHard(kStart + 4000)) << "once per showing";
    grader.showing(ReviewKey::ofTable(10105), kStart + kMinute);
    EXPECT_TRUE(grader.readAgain(kStart + kMinute));
    EXPECT_FALSE(grader.playedThrough(kStart + 2 * kMinute));
    grader.showing(ReviewKey::ofTable(10105), kStart + 3 * kMinute);
    EXPECT_EQ(grader.playedThrough(kStart + 4 * kMinute)->step, 1) << "Good: the next step";
    grader.showing(ReviewKey::ofTable(10105), kStart + 15 * kMinute);
    EXPECT_TRUE(grader.markedKnown(kStart + 15 * kMinute));
    EXPECT_EQ(schedule.size(), 0) << "known: out of review";
    EXPECT_EQ(log().section('\n', 1), "10105,1765200003000,1,0,3000\n"
                                      "10105,1765200060000,1,1,0\n"
                                      "10105,1765200240000,3,1,60000\n"
                                      "10105,1765200900000,4,1,0\n");
}

} // namespace
