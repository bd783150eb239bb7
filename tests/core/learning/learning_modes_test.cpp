// The learner's modes: the walk forwards past the known sentences, and [Learning] loaded and
// saved.
#include "core/learning/learning_modes.h"
#include "core/settings/settings_record.h"
#include "fakes/fake_settings_store.h"
#include "support/selector_fixture.h"

#include <gtest/gtest.h>

namespace {

// The selector with the learner's known sentences as its filter.
class KnownSentences : public SelectorFixture {
protected:
    void SetUp() override {
        SelectorFixture::SetUp();
        selector.setFilter(&modes);
        QObject::connect(&modes, &LearningModes::notice,
                         [this](const QString& text) { notices << text; });
    }
    void know(const QString& ids) {
        store.values["Vesk/Learning/known"] = ids;
        modes.load();
    }
    // Selects `count` sentences in sequence (rd 1) or with the given draws (rd 0).
    QList<int> select(int16_t rd, int16_t topic, int16_t position, QList<float> draws) {
        settings.inSequence = rd, settings.topic = topic, settings.sequencePosition = position;
        QList<int> ids;
        for (float r : draws) {
            random.values = {r};
            selector.selectNextSentence(french, english);
            ids << (rd ? settings.sequencePosition - 1 : selector.randomId());
        }
        return ids;
    }

    FakeSettingsStore store;
    LearningModes modes{store, settings, [] { return qint64(0); }};
    QStringList notices;
};

TEST_F(KnownSentences, everyModePassesKnownSentencesAcrossEveryWrap) {
    know("10101,10301-10303,10335,10501-10533,10801-10835,12101-12133");
    const struct {
        const char* what;
        int16_t rd, topic, position;
        QList<float> draws;
        QList<int> expected;
    } cases[] = {
        {"topic, a run", 1, 3, 10302, {0, 0}, {10304, 10305}},
        {"topic, its end and its start", 1, 3, 10334, {0, 0, 0}, {10334, 10304, 10305}},
        {"topic entered from another", 1, 3, 10735, {0}, {10304}},
        {"all topics, into the next", 1, 0, 10235, {0, 0}, {10235, 10304}},
        {"all topics, 22 replays 1", 1, 0, 12135, {0, 0}, {12135, 12202}},
        {"all topics, 29 replays 8, then the wrap", 1, 0, 12834, {0, 0, 0}, {12834, 12835, 10102}},
        {"random topic", 0, 5, 0, {0, 0.49f, 0.5f, 0.99999f}, {10534, 10534, 10535, 10535}},
        {"random over all", 0, 0, 0, {0, 0.99999f}, {10102, 12135}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(select(c.rd, c.topic, c.position, c.draws), c.expected) << c.what;
    select(1, 3, 10304, {0}); // on 10304: back over 10303-10301, and 10335 at the wrap
    selector.selectPreviousSentence(french, english);
    EXPECT_EQ(settings.sequencePosition - 1, 10334) << "previous passes known sentences too";
    EXPECT_TRUE(notices.isEmpty());
}

TEST_F(KnownSentences, wholeTopicKnownPlaysThemAllAgainSayingSoOnceUntilForgotten) {
    know("10101-10135,10401-10435");
    EXPECT_EQ(select(1, 4, 10410, {0, 0}), QList<int>({10410, 10411}));
    EXPECT_EQ(select(0, 4, 0, {0.0f, 0.5f}), QList<int>({10401, 10418}));
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains("Shopping one")) << notices[0].toStdString();

    modes.forgetChosenTopic();
    EXPECT_EQ(modes.known().toText(), "10101-10135") << "only the chosen topic";
    EXPECT_EQ(store.values["Vesk/Learning/known"], "10101-10135") << "written at once";
    know("10101-12135");
    select(1, 0, 12201, {0});
    EXPECT_EQ(notices.size(), 2) << "a new choice is worth saying again";
    modes.forgetChosenTopic();
    EXPECT_EQ(modes.known().size(), 0) << "\"Entire\" forgets every topic";
}

class LearningStore : public ::testing::Test {
protected:
    QString& learning(const QString& key) { return store.values["Vesk/Learning/" + key]; }

    const SettingsRecord settings;
    FakeSettingsStore store;
    qint64 now = 0;
    LearningModes modes{store, settings, [this] { return now; }};
};

TEST_F(LearningStore, loadLeavesOutWhatCannotBeReadWritingNothing) {
    learning("listen_first") = "yes";
    learning("known") = "10101-10103,junk,10301,10301";
    learning("seen") = QString("10101,").repeated(200000); // no list this program wrote
    testing::internal::CaptureStderr();
    modes.load();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "dorvane: the stored \"seen\" list is 1.1 MB, far more than any list of sentences: "
              "it is left out\n");
    EXPECT_EQ(modes.seen().size(), 0);
    EXPECT_FALSE(modes.listenFirst()) << "only 1 switches it on";
    EXPECT_EQ(modes.knownCount(1), 3);
    EXPECT_EQ(modes.seenCount(3), 1) << "a known sentence counts as seen";
    EXPECT_TRUE(store.writes.isEmpty()) << "loading writes nothing";
}

TEST_F(LearningStore, marksAreSavedAtOnceNewlySeenSentencesAtMostEvery30s) {
    learning("known") = "10101-10103,10301";
    modes.load();
    for (auto [at, id, seen] : {std::tuple{0, 12201, "10101"},
                                {10000, 10102, "10101"},
                                {30000, 10101, "10101-10102"},
                                {40000, 10104, "10101-10102"}}) {
        now = at;
        modes.selected(10135); // skipped past before its first line came to rest
        modes.selected(id);
        modes.currentShown();
        EXPECT_EQ(learning("seen"), seen) << at;
    }
    modes.markCurrentKnown();
    modes.setListenFirst(true);
    EXPECT_EQ(learning("known"), "10101-10104,10301");
    EXPECT_EQ(learning("seen"), "10101-10102,10104");
    EXPECT_EQ(learning("listen_first"), "1");
    EXPECT_FALSE(store.unsynced);
    for (const QString& path : store.values.keys())
        EXPECT_TRUE(path.startsWith("Vesk/Learning/")) << "[French] untouched";
}

} // namespace
