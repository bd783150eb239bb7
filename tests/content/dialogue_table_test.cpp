#include "content/dialogue_table.h"
#include "content/sentence_id.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const DialogueTable& table() {
    return DialogueTable::builtIn();
}

TEST(DialogueTable, compiledInTableReadsWithoutProblems) {
    EXPECT_TRUE(table().problems().isEmpty()) << qPrintable(table().problems().join('\n'));
    EXPECT_EQ(table().topicName(1), "Greetings");
}

TEST(DialogueTable, lookupGivesTheExactTextTrailingBlanksIncluded) {
    EXPECT_EQ(table().lookup(10101), QString("Bonjour!  "));
    EXPECT_EQ(table().lookup(20101), QString("Hello!  "));
    EXPECT_EQ(table().lookup(20102), QString("Good morning (Madam)!  "));
}

TEST(DialogueTable, topicsTwentyTwoToTwentyNineReplayTopicsOneToEight) {
    using namespace SentenceId;
    EXPECT_EQ(table().lookup(12201), table().lookup(10101));
    for (int k = 1; k <= kRepeatedTopics; ++k) {
        for (int s = 1; s <= kSentencesPerTopic; ++s) {
            const int id = french(kNamedTopics + k, s);
            EXPECT_EQ(table().lookup(id), table().lookup(french(k, s))) << id;
            EXPECT_EQ(table().lookup(englishFor(id)), table().lookup(englishFor(french(k, s))));
        }
    }
}

TEST(DialogueTable, idsOutsideTheNumberingHaveNoEntry) {
    for (int id : {10100, 10136, 13001, 20100, 30101, 0, -10101, 10000, 12936, 20000, 22936, 10199,
                   11000, 32767, -32768})
        EXPECT_FALSE(table().lookup(id)) << id;
}

class TopicFolder : public ::testing::Test {
protected:
    void put(const QString& name, const QByteArray& contents) {
        QFile file(QDir(dir.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    QTemporaryDir dir;
};

TEST_F(TopicFolder, topicFilesAreReadInto) {
    put("03-the-family.json", R"({"topic": 3, "name": "The family", "sentences": [
        {"fr": "Tu as des frères?  ", "en": "Do you have brothers? "},
        {"fr": "Non.", "en": "No."}]})");
    const DialogueTable read = DialogueTable::fromFolder(dir.path());
    EXPECT_TRUE(read.problems().isEmpty());
    EXPECT_EQ(read.topicName(3), "The family");
    EXPECT_EQ(read.lookup(10301), QString("Tu as des frères?  "));
    EXPECT_EQ(read.lookup(20301), QString("Do you have brothers? "));
    EXPECT_EQ(read.lookup(10302), QString("Non."));
    EXPECT_FALSE(read.lookup(10303)) << "a short topic has no entry past its end";
    EXPECT_EQ(read.lookup(12401), QString("Tu as des frères?  ")) << "topic 24 replays topic 3";
}

TEST_F(TopicFolder, unreadableFilesAreReportedAndLeftOut) {
    put("01-greetings.json", "{ not json");
    put("02-the-home.json", R"({"topic": 7, "name": "The home", "sentences": []})");
    put("22-extra.json", R"({"topic": 22, "name": "Extra", "sentences": []})");
    put("home.json", R"({"topic": 2, "name": "The home", "sentences": []})");
    const DialogueTable read = DialogueTable::fromFolder(dir.path());
    EXPECT_EQ(read.problems().size(), 4) << qPrintable(read.problems().join('\n'));
    EXPECT_EQ(read.topic(1).number, 0);
    EXPECT_EQ(read.topic(2).number, 0);
    EXPECT_FALSE(read.lookup(10101));
}

} // namespace
