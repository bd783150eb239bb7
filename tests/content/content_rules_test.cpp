// The rules every topic file of the lesson content keeps.
#include "content/dialogue_table.h"
#include "content/sentence_id.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QString kFolder = QStringLiteral(DORVANE_SOURCE_DIR "/resources/dialogues");

const QStringList kNames =
    QString("Greetings|The home|The family|Shopping one |Shopping two|Town and country|"
            "At the hotel one|At the hotel two|Directions|Eating out|Enjoy your meal one|"
            "Enjoy your meal two|Getting around|Health and fitness|Jobs one|Jobs two|"
            "Looking Good|On your travels|Origins|Sport and leisure|The Arts")
        .split('|');

std::vector<DialogueTopic> topicFiles() {
    const DialogueTable folder = DialogueTable::fromFolder(kFolder);
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

// The words hunspell does not know, the project's word list added.
QStringList unknownWords(const QString& dictionary, const QStringList& texts) {
    QProcess hunspell;
    hunspell.start("hunspell",
                   {"-d", dictionary, "-l", "-i", "utf-8", "-p", kFolder + "/words.txt"});
    if (!hunspell.waitForStarted(10000))
        return {"<hunspell could not be started>"};
    hunspell.write(texts.join('\n').toUtf8());
    hunspell.closeWriteChannel();
    hunspell.waitForFinished(60000);
    if (hunspell.exitCode() != 0 || hunspell.readAllStandardError().contains("Can't open"))
        return {"<hunspell failed>"};
    QStringList words =
        QString::fromUtf8(hunspell.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    words.removeDuplicates();
    return words;
}

TEST(ContentRules, everyTopicFileIsReadableAndNamed) {
    const auto topics = topicFiles();
    EXPECT_EQ(int(topics.size()), QDir(kFolder).entryList({"*.json"}, QDir::Files).size());
    for (const DialogueTopic& topic : topics) {
        SCOPED_TRACE(topic.fileName.toStdString());
        EXPECT_EQ(topic.name, kNames[topic.number - 1]);
        EXPECT_EQ(topic.sentences.size(), 35u);
    }
}

TEST(ContentRules, textsKeepTheLengthsBlanksCharactersPunctuationAndNoRepeatsOfTheTable) {
    static const QRegularExpression innerDoubleBlank("\\S  +\\S"), blankBefore(" [!?:;]");
    QHash<QString, QString> seen; // French text -> where
    for (const DialogueTopic& topic : topicFiles()) {
        for (size_t i = 0; i < topic.sentences.size(); ++i) {
            const DialogueSentence& s = topic.sentences[i];
            const QString where = QString("%1 #%2").arg(topic.fileName).arg(i + 1);
            SCOPED_TRACE(where.toStdString());
            for (auto [text, shortest, longest] :
                 {std::tuple{s.french, 6, 119}, std::tuple{s.english, 5, 108}}) {
                EXPECT_FALSE(text.startsWith(' ') || text.endsWith("   ") ||
                             innerDoubleBlank.match(text).hasMatch())
                    << qPrintable(text);
                EXPECT_TRUE(text.size() >= shortest && text.size() <= longest) << qPrintable(text);
                EXPECT_TRUE(std::all_of(text.begin(), text.end(), inWindows1252))
                    << qPrintable(text);
            }
            EXPECT_FALSE(blankBefore.match(s.french).hasMatch()) << qPrintable(s.french);
            // Short formulas may come back; longer sentences may not.
            const QString french = s.french.trimmed();
            if (french.size() > 15 && seen.contains(french))
                ADD_FAILURE() << " repeats " << qPrintable(seen[french]);
            seen.insert(french, where);
        }
    }
}

TEST(ContentRules, everyWordIsKnownToTheSpellCheckers) {
    QStringList french, english;
    for (const DialogueTopic& topic : topicFiles())
        for (const DialogueSentence& s : topic.sentences)
            french << s.french, english << s.english;
    EXPECT_EQ(unknownWords("fr_FR", french), QStringList());
    EXPECT_EQ(unknownWords("en_US", english), QStringList());
}

} // namespace
