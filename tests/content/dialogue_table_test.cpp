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

TEST(DialogueTable, lookupGivesTheExactTextTrailingBlanksIncluded) {
    EXPECT_TRUE(table().problems().isEmpty()) << qPrintable(table().problems().join('\n'));
    EXPECT_EQ(table().lookup(10101), QString("Bonjour!  "));
    EXPECT_EQ(table().lookup(20101), QString("Hello!  "));
    EXPECT_EQ(table().lookup(20102), QString("Good morning, ma’am!  "));
    EXPECT_EQ(table().lookup(12201), table().lookup(10101)) << "topic 22 replays topic 1";
    EXPECT_EQ(table().lookup(22935), table().lookup(20835));
    for (int id : {10100, 10136, 13001, 20100, 30101, 0, -10101, 12936, 22936, 11000, 32767})
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

TEST_F(TopicFolder, readsTopicFilesAndReportsAndLeavesOutTheUnreadable) {
    put("03-the-family.json", R"({"topic": 3, "name": "The family", "sentences": [
        {"fr": "Tu as des frères?  ", "en": "Do you have brothers? "}]})");
    put("01-greetings.json", "{ not json");
    put("02-the-home.json", R"({"topic": 7, "name": "The home", "sentences": []})");
    put("22-extra.json", R"({"topic": 22, "name": "Extra", "sentences": []})");
    put("home.json", R"({"topic": 2, "name": "The home", "sentences": []})");
    const DialogueTable read = DialogueTable::fromFolder(dir.path());
    EXPECT_EQ(read.problems().size(), 4) << qPrintable(read.problems().join('\n'));
    EXPECT_EQ(read.topicName(3), "The family");
    EXPECT_EQ(read.lookup(20301), QString("Do you have brothers? "));
    EXPECT_EQ(read.lookup(12401), QString("Tu as des frères?  ")) << "topic 24 replays topic 3";
    EXPECT_FALSE(read.lookup(10302)) << "nothing past a topic's end";
    EXPECT_FALSE(read.lookup(10101));
}

} // namespace
