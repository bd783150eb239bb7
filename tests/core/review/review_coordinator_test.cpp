// Review on the bar: what is due plays before the order's next sentence, which then goes on
// where it was; with review off the order alone plays.
#include "core/decks/deck_library.h"
#include "core/decks/deck_reader.h"
#include "core/learning/deck_play_order.h"
#include "core/learning/play_order.h"
#include "core/playback/playback_state.h"
#include "core/review/review_coordinator.h"
#include "fakes/fake_deck_storage.h"
#include "fakes/fake_record_files.h"
#include "fakes/fake_settings_store.h"
#include "support/selector_fixture.h"

#include <gtest/gtest.h>

namespace {

constexpr qint64 kMinute = ReviewScheduler::kMinuteMs;

class DueFirst : public SelectorFixture {
protected:
    void SetUp() override {
        DeckDraft draft;
        for (const char* word : {"un", "deux", "trois"})
            draft.sentences.push_back({word, word, QStringLiteral("(%1)").arg(word)});
        DeckInfo info;
        info.name = QStringLiteral("Nombres");
        ASSERT_TRUE(library.importDeck(info, draft).error.isEmpty());
        order.setDecks(&decks);
        order.setDueSentences(&review);
        settings.inSequence = 1;
        settings.topic = 1;
        settings.sequencePosition = 10105;
    }
    int next() {
        order.next();
        review.showing(onBar.frenchId());
        return onBar.frenchId();
    }
    QString nextText() {
        next();
        return onBar.french();
    }
    void hard() { review.judged(LearnerCommand::Hard); }

    FakeDeckStorage storage;
    DeckLibrary library{storage};
    qint64 now = 1765200000000;
    DeckPlayOrder decks{library, settings, random, [this] { return now; }};
    PlaybackState onBar;
    PlayOrder order{selector, table, settings, onBar};
    FakeRecordFiles files;
    FakeSettingsStore store;
    ReviewSchedule schedule{files};
    ReviewCoordinator review{schedule, store, decks, table, [this] { return now; }};
};

TEST_F(DueFirst, aHardSentenceComesBackFirstAndTheOrderGoesOnWhereItWas) {
    review.setEnabled(true);
    EXPECT_EQ(store.values.value("Vesk/Review/enabled"), "1");
    EXPECT_EQ(next(), 10105);
    hard();
    EXPECT_EQ(next(), 10106);
    now += kMinute;
    EXPECT_EQ(review.dueCount(), 1);
    EXPECT_EQ(next(), 10105) << "due: before the order's next";
    EXPECT_EQ(onBar.french(), table.lookup(10105));
    EXPECT_EQ(next(), 10107) << "the order where it was";
    EXPECT_EQ(next(), 10108) << "skipped with Next, it waits for its next grade";
}

TEST_F(DueFirst, withReviewOffTheOrderPlaysAsBeforeWhileGradesStillCount) {
    EXPECT_EQ(next(), 10105);
    hard();
    now += 2 * kMinute;
    EXPECT_EQ(next(), 10106);
    EXPECT_EQ(review.dueCount(), 1);
}

TEST_F(DueFirst, theDeckPlayingOffersItsOwnDueSentencesAndTheTableWaits) {
    review.setEnabled(true);
    next();
    hard(); // 10105, of the table
    decks.choose("Nombres");
    EXPECT_EQ(nextText(), "un");
    hard();
    EXPECT_EQ(nextText(), "deux");
    now += kMinute;
    EXPECT_EQ(review.dueCount(), 1) << "the deck's, not the table's";
    EXPECT_EQ(QStringList({nextText(), nextText()}), QStringList({"un", "trois"}));
}

TEST(ReviewBackIn, saysWhenInTheNearestWholeUnitSingularOrPlural) {
    const std::pair<qint64, const char*> cases[] = {
        {kMinute, "Back in 1 minute"},        {10 * kMinute, "Back in 10 minutes"},
        {60 * kMinute, "Back in 1 hour"},     {5 * 60 * kMinute, "Back in 5 hours"},
        {24 * 60 * kMinute, "Back in 1 day"}, {9 * 24 * 60 * kMinute, "Back in 9 days"},
        {-3 * kMinute, "Back in 1 minute"}};
    for (const auto& [waitMs, text] : cases)
        EXPECT_EQ(ReviewCoordinator::backIn(waitMs), text) << waitMs;
}

} // namespace
