#include "support/selector_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Selector : public SelectorFixture {
protected:
    // Selects once and gives the French id selected, its texts checked.
    int select() {
        tooltips = selector.selectNextSentence(french, english);
        return shown(settings.inSequence ? settings.sequencePosition - 1 : selector.randomId());
    }

    bool tooltips = false;
};

TEST_F(Selector, sequenceWalksATopicOrEveryTopicAndRestartsFromAnyCorruptedPosition) {
    // A topic's end wraps to its start, a position in another topic or the first-run one starts
    // the topic, sentence 00 is its first, topic 22 follows 21, and corrupted positions restart.
    const struct {
        int16_t topic, position; // position 0: on from the last selection
        int selected;
    } steps[] = {
        {3, 10335, 10335}, {3, 0, 10301},     {3, 10735, 10301}, {1, 11000, 10101},
        {2, 10200, 10201}, {0, 10136, 10201}, {0, 12136, 12201}, {0, 10500, 10501},
        {0, 12935, 12935}, {0, 0, 10101},     {0, 5, 10101},     {4, 5, 10401},
        {0, 32000, 10101}, {4, -1, 10401},    {0, 32767, 10101}, {4, -32768, 10401},
        {0, 13001, 10101}, {4, 9999, 10401},
    };
    settings.inSequence = 1;
    for (const auto& step : steps) {
        settings.topic = step.topic;
        if (step.position != 0)
            settings.sequencePosition = step.position;
        EXPECT_EQ(select(), step.selected) << step.topic << " " << step.position;
        EXPECT_EQ(settings.sequencePosition, step.selected + 1);
        EXPECT_TRUE(tooltips);
    }
    EXPECT_TRUE(dialog.shown.isEmpty());
}

TEST_F(Selector, randomDrawsWithinATopicOrUniformlyOverTopicsOneToTwentyOne) {
    settings.topic = 5, settings.sequencePosition = 10777;
    random.values = {0.5f, 0.0f, 0.99999f};
    EXPECT_EQ(QList<int>({select(), select(), select()}), QList<int>({10518, 10501, 10535}));
    EXPECT_EQ(settings.sequencePosition, 10777) << "the sequence position is left alone";
    EXPECT_FALSE(tooltips);
    EXPECT_EQ(random.reseeds, random.draws) << "re-seeded before every draw";

    settings.topic = 0;
    QMap<int, int> perTopic;
    for (int index = 0; index < 735; ++index) {
        random.values = {(index + 0.5f) / 735.0f};
        ++perTopic[(select() - 10000) / 100];
    }
    EXPECT_EQ(perTopic.keys().front(), 1);
    EXPECT_EQ(perTopic.values(), QList<int>(21, 35));
}

TEST_F(Selector, failedLookupIsReportedOnceAndKeepsThatTextWhileTheWalkGoesOn) {
    QTemporaryDir dir;
    QFile file(QDir(dir.path()).filePath("01-greetings.json"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"topic": 1, "name": "Greetings", "sentences": [
        {"fr": "Salut!  ", "en": "Hi!  "}, {"fr": "Coucou!", "en": "Hey!"}]})");
    file.close();
    const DialogueTable gappy = DialogueTable::fromFolder(dir.path());
    SentenceSelector withGaps(gappy, settings, random, dialog);
    settings.inSequence = 1, settings.topic = 1, settings.sequencePosition = 10102;
    withGaps.selectNextSentence(french, english);
    EXPECT_TRUE(withGaps.selectNextSentence(french, english)) << "tooltips are set all the same";
    EXPECT_EQ(QStringList({french, english}), QStringList({"Coucou!", "Hey!"}));
    EXPECT_EQ(dialog.shown, QStringList({"10103"}));
    EXPECT_EQ(settings.sequencePosition, 10104);
}

} // namespace
