#include "app/module1.h"
#include "content/dialogue_table.h"
#include "fakes/fake_message_dialog.h"
#include "fakes/fake_settings_store.h"
#include "fakes/scripted_random.h"
#include "learning/learning_modes.h"

#include <gtest/gtest.h>

namespace {

// The selector with the learner's known sentences as its filter.
class KnownSentences : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = SettingsRecord{};
        selector.setFilter(&modes);
        modes.notice = [this](const QString& text) { notices << text; };
    }
    void know(const QString& ids) {
        store.values["Vesk/Learning/known"] = ids;
        modes.load();
    }
    // Selects `count` sentences in sequence (rd 1) or with the given draws (rd 0).
    QList<int> select(int16_t rd, int16_t topic, int16_t position, QList<float> draws) {
        Settings.rd = rd, Settings.guage = topic, Settings.guagen = position;
        QList<int> ids;
        for (float r : draws) {
            random.values = {r};
            selector.SelectNextSentence(french, english);
            ids << (rd ? Settings.guagen - 1 : selector.randomId());
        }
        return ids;
    }

    FakeSettingsStore store;
    LearningModes modes{store, [] { return qint64(0); }};
    ScriptedRandom random;
    FakeMessageDialog dialog;
    SentenceSelector selector{DialogueTable::builtIn(), random, dialog};
    QString french, english;
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

} // namespace
