#include "app/module1.h"
#include "content/dialogue_table.h"
#include "fakes/fake_message_dialog.h"
#include "fakes/scripted_random.h"
#include "playback/sentence_selector.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Selector : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = SettingsRecord{};
        Settings.rd = 1;
    }

    // Selects once from the given topic and position (sequence mode); returns the French id
    // selected, after checking that its two texts were fetched.
    int select(int16_t topic, int16_t position) {
        Settings.guage = topic, Settings.guagen = position;
        return select();
    }
    int select() {
        tooltips = selector.SelectNextSentence(french, english);
        const int id = Settings.rd == 0 ? selector.randomId() : Settings.guagen - 1;
        EXPECT_EQ(table.lookup(id), french) << id;
        EXPECT_EQ(table.lookup(id + 10000), english) << id;
        return id;
    }

    const DialogueTable& table = DialogueTable::builtIn();
    ScriptedRandom random;
    FakeMessageDialog dialog;
    SentenceSelector selector{table, random, dialog};
    QString french, english;
    bool tooltips = false;
};

TEST_F(Selector, sequenceWalksATopicAndWrapsToItsFirstSentence) {
    EXPECT_EQ(select(3, 10335), 10335);
    EXPECT_EQ(Settings.guagen, 10336);
    EXPECT_EQ(select(), 10301);
    EXPECT_EQ(select(3, 10735), 10301) << "a position in another topic";
    EXPECT_EQ(select(1, 11000), 10101) << "the first-run position lies in topic 10";
    EXPECT_EQ(french, "Bonjour!  ");
    EXPECT_EQ(english, "Hello!  ");
    EXPECT_EQ(select(2, 10200), 10201) << "sentence part 0 is the first sentence, not a failure";
    EXPECT_TRUE(tooltips);
    EXPECT_TRUE(dialog.shown.isEmpty());
}

TEST_F(Selector, walkThroughEveryTopicGoesOnToTheNextAndWrapsAfterTheLast) {
    EXPECT_EQ(select(0, 10136), 10201);
    EXPECT_EQ(select(0, 12136), 12201) << "topic 22 follows topic 21";
    EXPECT_EQ(select(0, 10500), 10501);
    EXPECT_EQ(select(0, 12935), 12935);
    EXPECT_EQ(select(), 10101);
    EXPECT_TRUE(dialog.shown.isEmpty());
}

TEST_F(Selector, corruptedPositionRestartsTheWalkInsteadOfFailingForever) {
    for (int16_t stored : {5, 32000, -1, 32767, -32768, 13001, 9999}) {
        EXPECT_EQ(select(0, stored), 10101) << stored;
        EXPECT_EQ(select(4, stored), 10401) << stored;
    }
    EXPECT_TRUE(dialog.shown.isEmpty());
}

TEST_F(Selector, randomWithinATopicDrawsItsSentencesAndLeavesTheSequenceAlone) {
    Settings.rd = 0, Settings.guage = 5, Settings.guagen = 10777;
    random.values = {0.5f, 0.0f, 0.99999f};
    EXPECT_EQ(select(), 10518);
    EXPECT_EQ(select(), 10501);
    EXPECT_EQ(select(), 10535);
    EXPECT_EQ(Settings.guagen, 10777);
    EXPECT_FALSE(tooltips);
    EXPECT_EQ(random.reseeds, random.draws) << "re-seeded before every draw";
}

TEST_F(Selector, randomOverEveryTopicDrawsUniformlyFromTopicsOneToTwentyOne) {
    Settings.rd = 0, Settings.guage = 0;
    QMap<int, int> perTopic;
    for (int index = 0; index < 735; ++index) {
        random.values = {(index + 0.5f) / 735.0f};
        ++perTopic[(select() - 10000) / 100];
    }
    EXPECT_EQ(perTopic.size(), 21);
    EXPECT_EQ(perTopic.values(), QList<int>(21, 35));
}

TEST_F(Selector, clockSeededDrawsStayWithinZeroToOne) {
    ClockSeededRandom clock;
    float lowest = 1, highest = 0;
    for (int i = 0; i < 2000; ++i) {
        clock.reseed();
        const float r = clock.draw();
        lowest = std::min(lowest, r), highest = std::max(highest, r);
    }
    EXPECT_GE(lowest, 0.0f);
    EXPECT_LT(lowest, 0.05f);
    EXPECT_GT(highest, 0.95f);
    EXPECT_LT(highest, 1.0f);
}

TEST(SelectorWithGaps, failedLookupIsReportedOnceAndKeepsThatTextWhileTheWalkGoesOn) {
    QTemporaryDir dir;
    QFile file(QDir(dir.path()).filePath("01-greetings.json"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"topic": 1, "name": "Greetings", "sentences": [
        {"fr": "Salut!  ", "en": "Hi!  "}, {"fr": "Coucou!", "en": "Hey!"}]})");
    file.close();
    const DialogueTable gappy = DialogueTable::fromFolder(dir.path());
    ScriptedRandom random;
    FakeMessageDialog dialog;
    SentenceSelector selector(gappy, random, dialog);
    Settings = SettingsRecord{};
    Settings.rd = 1, Settings.guage = 1, Settings.guagen = 10102;
    QString french, english;

    selector.SelectNextSentence(french, english);
    EXPECT_TRUE(selector.SelectNextSentence(french, english)) << "tooltips are set all the same";
    EXPECT_EQ(french, "Coucou!");
    EXPECT_EQ(english, "Hey!");
    EXPECT_EQ(dialog.shown, QStringList({"10103"}));
    EXPECT_EQ(dialog.captions, QStringList({"Dorvane"}));
    EXPECT_EQ(Settings.guagen, 10104);
}

} // namespace
