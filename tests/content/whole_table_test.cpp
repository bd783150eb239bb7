// The complete table as the program plays it, 29 topics of 35 sentences in both languages, and
// how a folder of topic files is read.
#include "content/dialogue_table.h"
#include "content/sentence_id.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace {

using namespace SentenceId;

int trailingBlanks(const QString& text) {
    return int(text.size() - text.trimmed().size());
}

TEST(WholeTable, holdsEveryIdOfTwentyNineTopicsWithItsTranslationAndNothingElse) {
    const DialogueTable& table = DialogueTable::builtIn();
    EXPECT_TRUE(table.problems().isEmpty()) << qPrintable(table.problems().join('\n'));
    EXPECT_EQ(table.lookup(10101), QString("Bonjour!  ")) << "exact, trailing blanks included";
    int french = 0, english = 0;
    std::map<int, int> frenchBlanks, englishBlanks; // blanks at the end -> entries
    for (int id = -32768; id < 32768; ++id) {
        const auto text = table.lookup(id);
        if (!text)
            continue;
        if (id >= kFrenchBase + kEnglishOffset) {
            ++english;
            continue;
        }
        ++french;
        const auto translation = table.lookup(englishFor(id));
        ASSERT_TRUE(translation) << id;
        ++frenchBlanks[trailingBlanks(*text)];
        ++englishBlanks[trailingBlanks(*translation)];
    }
    EXPECT_EQ(QList<int>({french, english}), QList<int>({1015, 1015}));
    EXPECT_EQ(frenchBlanks, (std::map<int, int>{{0, 51}, {1, 85}, {2, 879}}));
    EXPECT_EQ(englishBlanks, (std::map<int, int>{{0, 27}, {1, 103}, {2, 885}}));
    for (int k = 1; k <= kRepeatedTopics; ++k) {
        for (int s = 1; s <= kSentencesPerTopic; ++s) {
            const int id = SentenceId::french(k, s),
                      replay = SentenceId::french(kNamedTopics + k, s);
            EXPECT_TRUE(table.lookup(id)) << id;
            EXPECT_EQ(table.lookup(replay), table.lookup(id)) << replay;
            EXPECT_EQ(table.lookup(englishFor(replay)), table.lookup(englishFor(id))) << replay;
        }
    }
}

TEST(TopicFolder, readsTopicFilesAndReportsAndLeavesOutTheUnreadable) {
    QTemporaryDir dir;
    const auto put = [&](const QString& name, const QByteArray& contents) {
        QFile file(QDir(dir.path()).filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
    };
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
