#include "app/module1.h"
#include "content/dialogue_table.h"
#include "fakes/fake_message_box.h"
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

    // Selects once; returns the French id selected, after checking that its texts were fetched.
    int select() {
        tooltips = selector.SelectNextSentence(french, english);
        const int id = Settings.rd == 0 ? selector.randomId() : Settings.guagen - 1;
        EXPECT_EQ(table.lookup(id), french) << id;
        EXPECT_EQ(table.lookup(id + 10000), english) << id;
        return id;
    }

    const DialogueTable& table = DialogueTable::builtIn();
    ScriptedRandom random;
    FakeMessageBox messageBox;
    SentenceSelector selector{table, random, messageBox};
    QString french, english;
    bool tooltips = false;
};

TEST_F(Selector, sequenceInOneTopicWrapsToItsFirstSentenceAfterTheLast) {
    Settings.guage = 3;
    Settings.guagen = 10335;
    EXPECT_EQ(select(), 10335);
    EXPECT_EQ(Settings.guagen, 10336);
    EXPECT_EQ(select(), 10301);
    EXPECT_EQ(Settings.guagen, 10302);
    EXPECT_TRUE(tooltips);
    EXPECT_TRUE(messageBox.messages.isEmpty());
}

TEST_F(Selector, sequenceStartsANewlyChosenTopicAtItsFirstSentence) {
    Settings.guage = 3;
    Settings.guagen = 10735;
    EXPECT_EQ(select(), 10301);

    Settings.guage = 1;
    Settings.guagen = 11000; // the first-run position lies in topic 10
    EXPECT_EQ(select(), 10101);
    EXPECT_EQ(french, "Bonjour!  ");
    EXPECT_EQ(english, "Hello!  ");
}

TEST_F(Selector, positionWithSentencePartZeroPlaysTheTopicsFirstSentenceWithoutAReport) {
    Settings.guage = 2;
    Settings.guagen = 10200;
    EXPECT_EQ(select(), 10201);
    EXPECT_EQ(Settings.guagen, 10202);

    Settings.guage = 0;
    Settings.guagen = 10500;
    EXPECT_EQ(select(), 10501);
    EXPECT_TRUE(messageBox.messages.isEmpty());
}

TEST_F(Selector, walkThroughEveryTopicMovesOnAfterSentenceThirtyFive) {
    Settings.guage = 0;
    Settings.guagen = 10136;
    EXPECT_EQ(select(), 10201);
    Settings.guagen = 12136;
    EXPECT_EQ(select(), 12201) << "topic 22 follows topic 21";
    EXPECT_EQ(Settings.guagen, 12202);
    Settings.guagen = 10135;
    EXPECT_EQ(select(), 10135);
    EXPECT_EQ(select(), 10201);
}

TEST_F(Selector, walkWrapsToTheFirstSentenceAfterTheLastOfTheTable) {
    Settings.guage = 0;
    Settings.guagen = 12935;
    EXPECT_EQ(select(), 12935);
    EXPECT_EQ(Settings.guagen, 12936);
    EXPECT_EQ(select(), 10101);
    EXPECT_EQ(Settings.guagen, 10102);
    EXPECT_TRUE(messageBox.messages.isEmpty());
}

TEST_F(Selector, corruptedPositionRestartsTheWalkInsteadOfFailingForever) {
    for (int16_t stored : {int16_t(5), int16_t(32000), int16_t(-1), int16_t(32767), int16_t(-32768),
                           int16_t(13001), int16_t(9999)}) {
        Settings.guage = 0;
        Settings.guagen = stored;
        EXPECT_EQ(select(), 10101) << stored;
        Settings.guage = 4;
        Settings.guagen = stored;
        EXPECT_EQ(select(), 10401) << stored;
    }
    EXPECT_TRUE(messageBox.messages.isEmpty());
}

TEST_F(Selector, randomWithinATopicDrawsEachOfItsSentencesAndLeavesTheSequenceAlone) {
    Settings.rd = 0;
    Settings.guage = 5;
    Settings.guagen = 10777;
    random.values = {0.5f, 0.0f, 0.99999f};
    EXPECT_EQ(select(), 10518);
    EXPECT_EQ(selector.randomId(), 10518);
    EXPECT_EQ(select(), 10501);
    EXPECT_EQ(select(), 10535);
    EXPECT_EQ(Settings.guagen, 10777);
    EXPECT_FALSE(tooltips);
    EXPECT_EQ(random.reseeds, random.draws) << "re-seeded before every draw";
}

TEST_F(Selector, randomOverEveryTopicDrawsUniformlyFromTopicsOneToTwentyOne) {
    Settings.rd = 0;
    Settings.guage = 0;
    QMap<int, int> perTopic;
    for (int index = 0; index < 735; ++index) {
        random.values = {(index + 0.5f) / 735.0f};
        const int id = select();
        ASSERT_NE(id, 0);
        EXPECT_EQ(selector.randomId(), id);
        ++perTopic[(id - 10000) / 100];
    }
    EXPECT_EQ(perTopic.size(), 21);
    for (int count : perTopic)
        EXPECT_EQ(count, 35);
    EXPECT_EQ(random.reseeds, random.draws);
}

TEST_F(Selector, clockSeededGeneratorStaysWithinItsRange) {
    ClockSeededRandom clock;
    float lowest = 1.0f, highest = 0.0f;
    for (int i = 0; i < 2000; ++i) {
        clock.reseed();
        const float r = clock.draw();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_LT(lowest, 0.05f);
    EXPECT_GT(highest, 0.95f);
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
    FakeMessageBox messageBox;
    SentenceSelector selector(gappy, random, messageBox);
    Settings = SettingsRecord{};
    Settings.rd = 1;
    Settings.guage = 1;
    Settings.guagen = 10102;
    QString french, english;

    EXPECT_TRUE(selector.SelectNextSentence(french, english));
    EXPECT_EQ(french, "Coucou!");
    EXPECT_TRUE(selector.SelectNextSentence(french, english));
    EXPECT_EQ(french, "Coucou!") << "the failed text keeps its old value";
    EXPECT_EQ(english, "Hey!");
    EXPECT_EQ(messageBox.messages, QStringList({"10103"}));
    EXPECT_EQ(messageBox.captions, QStringList({"Dorvane"}));
    EXPECT_EQ(Settings.guagen, 10104);
}

} // namespace
