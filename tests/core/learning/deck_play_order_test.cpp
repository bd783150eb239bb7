// The walk through a learner's deck on the bar, and the marks the bar gives its sentences.
#include "core/decks/deck_library.h"
#include "core/decks/deck_reader.h"
#include "core/learning/deck_play_order.h"
#include "core/learning/learning_modes.h"
#include "core/learning/play_order.h"
#include "core/lessons/sentence_id.h"
#include "core/playback/playback_state.h"
#include "fakes/fake_deck_storage.h"
#include "fakes/fake_settings_store.h"
#include "support/selector_fixture.h"

#include <gtest/gtest.h>

namespace {

class DeckOnBar : public SelectorFixture {
protected:
    void SetUp() override {
        DeckDraft draft;
        for (const char* word : {"un", "deux", "trois", "quatre"})
            draft.sentences.push_back({word, word, QStringLiteral("(%1)").arg(word)});
        DeckInfo info;
        info.name = QStringLiteral("Nombres");
        ASSERT_TRUE(library.importDeck(info, draft).error.isEmpty());
        decks.choose(QStringLiteral("nombres")); // names ignore case
        order.setDecks(&decks);
        learning.setDecks(&decks);
        settings.inSequence = 1;
    }
    QString next() {
        order.next();
        learning.selected(onBar.frenchId());
        return onBar.french();
    }
    QString previous() { return order.previous() ? onBar.french() : QStringLiteral("none"); }
    const LoadedDeck& deck() const { return *library.find(QStringLiteral("Nombres")); }

    FakeDeckStorage storage;
    DeckLibrary library{storage};
    qint64 now = 0;
    DeckPlayOrder decks{library, settings, random, [this] { return now; }};
    PlaybackState onBar;
    PlayOrder order{selector, table, settings, onBar};
    FakeSettingsStore store;
    LearningModes learning{store, settings, [this] { return now; }};
};

TEST_F(DeckOnBar, sequencePassesKnownSentencesWrapsAndGoesOnWhereItWasAfterARestart) {
    library.markKnown(QStringLiteral("Nombres"), QStringLiteral("deux"));
    EXPECT_EQ(QStringList({next(), next(), next(), next()}),
              QStringList({"un", "trois", "quatre", "un"}));
    EXPECT_EQ(onBar.english(), QStringLiteral("(un)"));
    EXPECT_EQ(order.currentTopicName(), QStringLiteral("Nombres")) << "the tray and media keys";
    decks.save();

    DeckLibrary again{storage};
    again.load();
    DeckPlayOrder restarted{again, settings, random, [] { return 0; }};
    restarted.choose(QStringLiteral("Nombres"));
    EXPECT_EQ(restarted.next()->text, QStringLiteral("trois"));
}

TEST_F(DeckOnBar, previousStepsBackOverKnownSentencesAndForwardsGoesOnFromThere) {
    EXPECT_EQ(previous(), QStringLiteral("none")) << "nothing shown yet";
    next(), next(), next(); // un deux trois
    library.markKnown(QStringLiteral("Nombres"), QStringLiteral("deux"));
    EXPECT_EQ(previous(), QStringLiteral("un"));
    EXPECT_EQ(previous(), QStringLiteral("quatre")) << "wraps backwards";
    EXPECT_EQ(next(), QStringLiteral("un"));
}

TEST_F(DeckOnBar, randomDrawsPassKnownSentencesAndStepBackThroughThoseShown) {
    settings.inSequence = 0;
    library.markKnown(QStringLiteral("Nombres"), QStringLiteral("trois"));
    random.values = {0.6f, 0.0f, 0.99f}; // trois (known: quatre instead), un, quatre
    EXPECT_EQ(QStringList({next(), next()}), QStringList({"quatre", "un"}));
    EXPECT_EQ(previous(), QStringLiteral("quatre"));
    EXPECT_EQ(next(), QStringLiteral("un")) << "forwards again before a new draw";
    EXPECT_EQ(next(), QStringLiteral("quatre"));
}

TEST_F(DeckOnBar, theBarsMarksGoToTheDeckAndLeaveTheTablesListsAlone) {
    next(); // un
    learning.currentShown();
    learning.markCurrentKnown();
    EXPECT_TRUE(deck().progress.known.contains(QStringLiteral("un")));
    EXPECT_TRUE(deck().progress.seen.contains(QStringLiteral("un")));
    EXPECT_EQ(learning.known().size(), 0);
    EXPECT_EQ(learning.seen().size(), 0);
    EXPECT_EQ(learning.knownInChosenTopic(), 1) << "what Forget would take";
    EXPECT_EQ(learning.chosenTopicName(), QStringLiteral("Nombres"));
    learning.forgetChosenTopic();
    EXPECT_TRUE(deck().progress.known.isEmpty());
}

TEST_F(DeckOnBar, everySentenceKnownPlaysThemAllAndSaysSoOnce) {
    for (const char* word : {"un", "deux", "trois", "quatre"})
        library.markKnown(QStringLiteral("Nombres"), QLatin1String(word));
    QStringList notices;
    QObject::connect(&decks, &DeckPlayOrder::notice, [&](const QString& text) { notices << text; });
    EXPECT_EQ(QStringList({next(), next()}), QStringList({"un", "deux"}));
    EXPECT_EQ(notices.size(), 1);
}

TEST_F(DeckOnBar, aDeckThatCannotPlayLeavesTheBuiltInSentencesPlaying) {
    decks.choose(QStringLiteral("Gone"));
    settings.sequencePosition = 10102;
    order.next();
    EXPECT_EQ(onBar.frenchId(), 10102);
    EXPECT_FALSE(SentenceId::isDeckSentence(onBar.frenchId()));
}

} // namespace
