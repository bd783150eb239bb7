// The rules every topic file of the lesson content keeps.
#include "content/dialogue_table.h"
#include "content/sentence_id.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const QString kSourceFolder = QStringLiteral(DORVANE_SOURCE_DIR "/resources/dialogues");

const QStringList kTopicNames = {"Greetings",
                                 "The home",
                                 "The family",
                                 "Shopping one ",
                                 "Shopping two",
                                 "Town and country",
                                 "At the hotel one",
                                 "At the hotel two",
                                 "Directions",
                                 "Eating out",
                                 "Enjoy your meal one",
                                 "Enjoy your meal two",
                                 "Getting around",
                                 "Health and fitness",
                                 "Jobs one",
                                 "Jobs two",
                                 "Looking Good",
                                 "On your travels",
                                 "Origins",
                                 "Sport and leisure",
                                 "The Arts"};

std::vector<DialogueTopic> topicFilesPresent() {
    const DialogueTable folder = DialogueTable::fromFolder(kSourceFolder);
    std::vector<DialogueTopic> topics;
    for (int t = 1; t <= SentenceId::kNamedTopics; ++t)
        if (folder.topic(t).number != 0)
            topics.push_back(folder.topic(t));
    return topics;
}

// Windows-1252 is Latin-1 with 27 more characters where Latin-1 has control codes.
bool inWindows1252(QChar c) {
    static const QString extra = QString::fromUtf8("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");
    const ushort u = c.unicode();
    return (u >= 0x20 && u <= 0x7E) || (u >= 0xA0 && u <= 0xFF) || extra.contains(c);
}

// The words hunspell does not know, with the project's own word list added.
QStringList unknownWords(const QString& dictionary, const QStringList& texts) {
    QProcess hunspell;
    hunspell.start("hunspell",
                   {"-d", dictionary, "-l", "-i", "utf-8", "-p", kSourceFolder + "/words.txt"});
    if (!hunspell.waitForStarted(10000))
        return {"<hunspell could not be started>"};
    hunspell.write(texts.join('\n').toUtf8());
    hunspell.closeWriteChannel();
    hunspell.waitForFinished(60000);
    const QString err = QString::fromUtf8(hunspell.readAllStandardError());
    if (hunspell.exitCode() != 0 || err.contains("Can't open"))
        return {"<hunspell failed: " + err + ">"};
    QStringList words =
        QString::fromUtf8(hunspell.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    words.removeDuplicates();
    return words;
}

TEST(ContentRules, everyTopicFileIsCompiledIntoTheProgram) {
    const auto present = topicFilesPresent();
    ASSERT_FALSE(present.empty());
    const int files = QDir(kSourceFolder).entryList({"*.json"}, QDir::Files).size();
    EXPECT_EQ(static_cast<int>(present.size()), files) << "a file the table cannot read";
    for (const DialogueTopic& topic : present) {
        const DialogueTopic& compiled = DialogueTable::builtIn().topic(topic.number);
        EXPECT_EQ(compiled.number, topic.number)
            << qPrintable(topic.fileName) << " is not built in";
        EXPECT_EQ(compiled.sentences.size(), topic.sentences.size());
    }
}

TEST(ContentRules, topicsCarryTheirNamesAndThirtyFiveSentences) {
    for (const DialogueTopic& topic : topicFilesPresent()) {
        SCOPED_TRACE(topic.fileName.toStdString());
        EXPECT_EQ(topic.name, kTopicNames[topic.number - 1]);
        EXPECT_EQ(topic.sentences.size(), 35u);
    }
}

TEST(ContentRules, textsKeepTheLengthsBlanksAndCharactersOfTheTable) {
    struct Rule {
        const char* language;
        QString DialogueSentence::*text;
        int shortest, longest;
    };
    const Rule rules[] = {{"fr", &DialogueSentence::french, 6, 119},
                          {"en", &DialogueSentence::english, 5, 108}};
    static const QRegularExpression innerDoubleBlank("\\S  +\\S");
    for (const DialogueTopic& topic : topicFilesPresent()) {
        for (size_t i = 0; i < topic.sentences.size(); ++i) {
            for (const Rule& rule : rules) {
                const QString& text = topic.sentences[i].*rule.text;
                SCOPED_TRACE(QString("%1 #%2 %3: \"%4\"")
                                 .arg(topic.fileName)
                                 .arg(i + 1)
                                 .arg(rule.language, text)
                                 .toStdString());
                EXPECT_FALSE(text.trimmed().isEmpty());
                EXPECT_FALSE(text.startsWith(' '));
                EXPECT_FALSE(text.endsWith("   ")) << "at most two trailing blanks";
                EXPECT_FALSE(innerDoubleBlank.match(text).hasMatch());
                EXPECT_GE(text.size(), rule.shortest);
                EXPECT_LE(text.size(), rule.longest);
                for (QChar c : text)
                    EXPECT_TRUE(inWindows1252(c)) << "U+" << std::hex << c.unicode();
            }
        }
    }
}

TEST(ContentRules, frenchPutsNoBlankBeforeItsPunctuation) {
    static const QRegularExpression blankBefore(" [!?:;]");
    for (const DialogueTopic& topic : topicFilesPresent())
        for (const DialogueSentence& s : topic.sentences)
            EXPECT_FALSE(blankBefore.match(s.french).hasMatch()) << qPrintable(s.french);
}

TEST(ContentRules, noFrenchSentenceRepeatsAnotherExceptShortFormulas) {
    QHash<QString, QString> seen; // text -> where
    for (const DialogueTopic& topic : topicFilesPresent()) {
        for (size_t i = 0; i < topic.sentences.size(); ++i) {
            const QString text = topic.sentences[i].french.trimmed();
            if (text.size() <= 15)
                continue;
            const QString where = QString("%1 #%2").arg(topic.fileName).arg(i + 1);
            EXPECT_FALSE(seen.contains(text))
                << qPrintable(where) << " repeats " << qPrintable(seen.value(text)) << ": "
                << qPrintable(text);
            seen.insert(text, where);
        }
    }
}

TEST(ContentRules, everyWordIsKnownToTheSpellCheckers) {
    QStringList french, english;
    for (const DialogueTopic& topic : topicFilesPresent()) {
        for (const DialogueSentence& s : topic.sentences) {
            french << s.french;
            english << s.english;
        }
    }
    EXPECT_EQ(unknownWords("fr_FR", french), QStringList());
    EXPECT_EQ(unknownWords("en_US", english), QStringList());
}

} // namespace
