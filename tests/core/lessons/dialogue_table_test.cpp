// The rules every topic file of the lesson content keeps (its house style and the phrases no
// learner should miss among them), the complete table as the program plays
// it (29 topics of 35 sentences in both languages), and how a folder of topic files is read.
#include "core/lessons/dialogue_table.h"
#include "core/lessons/sentence_id.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace {

using namespace SentenceId;

const QString kFolder = QStringLiteral(DORVANE_SOURCE_DIR "/resources/dialogues");

std::vector<DialogueTopic> topicFiles() {
    const DialogueTable folder = DialogueTable::fromFolder(kFolder);
    std::vector<DialogueTopic> topics;
    for (int t = 1; t <= kNamedTopics; ++t)
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

// Own topic names; texts' lengths, blanks, characters, style, no repeats; spelling; key phrases.
TEST(ContentRules, topicFilesKeepTheHouseStyleSpellingAndTeachTheEssentialPhrases) {
    // No blank first, at most two last, none doubled inside; only the typographic ’ and “ ”.
    static const QRegularExpression offText("^ |   $|\\S  +\\S|['\"]"), blankBefore(" [!?:;]"),
        // American English, prices as an American says them (“four-ten”), and a note only as
        // one closing “(lit. …)”; 20102 keeps its “(Madam)”.
        offStyle(
            "\\b(pay slip|sick note|starter|jug|tobacconist|railcard|top up|cloakroom|night "
            "porter|ground floor|shall (I|we)|madam|gladly|likewise|cupboard|trial period|full "
            "to bursting|right opposite|roadwork|will you have dessert|euros (ten|\\w+ty))\\b|"
            "\\((?!lit\\. [^()]+\\) *$)",
            QRegularExpression::CaseInsensitiveOption);
    QHash<QString, QString> seen; // French text -> where
    QSet<QString> names;
    QStringList allFrench, allEnglish;
    for (const DialogueTopic& topic : topicFiles()) {
        EXPECT_FALSE(topic.name.trimmed().isEmpty()) << qPrintable(topic.fileName);
        EXPECT_FALSE(names.contains(topic.name)) << qPrintable(topic.fileName) << ": its own name";
        names << topic.name;
        for (size_t i = 0; i < topic.sentences.size(); ++i) {
            const DialogueSentence& s = topic.sentences[i];
            const QString where = QString("%1 #%2").arg(topic.fileName).arg(i + 1);
            SCOPED_TRACE(where.toStdString());
            for (auto [text, shortest, longest] :
                 {std::tuple{s.french, 6, 119}, std::tuple{s.english, 5, 108}}) {
                EXPECT_FALSE(offText.match(text).hasMatch()) << qPrintable(text);
                EXPECT_GE(text.size(), shortest) << qPrintable(text);
                EXPECT_LE(text.size(), longest) << qPrintable(text);
                EXPECT_TRUE(std::all_of(text.begin(), text.end(), inWindows1252))
                    << qPrintable(text);
            }
            if (englishFor(french(topic.number, int(i) + 1)) != 20102) { // "(Madam)" is fixed
                EXPECT_FALSE(offStyle.match(s.english).hasMatch()) << qPrintable(s.english);
            }
            EXPECT_FALSE(blankBefore.match(s.french).hasMatch()) << qPrintable(s.french);
            // Short formulas may come back; longer sentences may not.
            const QString french = s.french.trimmed();
            if (french.size() > 15 && seen.contains(french))
                ADD_FAILURE() << " repeats " << qPrintable(seen[french]);
            seen.insert(french, where);
            allFrench << s.french, allEnglish << s.english;
        }
    }
    EXPECT_EQ(unknownWords("fr_FR", allFrench), QStringList());
    EXPECT_EQ(unknownWords("en_US", allEnglish), QStringList());
    // One line a sentence, so “\n” ties an answer to the question just before it.
    const QString french = allFrench.join('\n');
    for (const char* pattern :
         {"Au revoir", "De rien", "À bientôt", "Comment vous appelez-vous\\?",
          "Je ne comprends pas", "Vous pouvez répéter, s’il vous plaît\\?",
          "Vous pouvez parler plus lentement\\?",
          "Quelle heure est-il\\? *\\nIl est [^\\n]+ heures", "Au secours!",
          "Appelez une ambulance!", "le 15 ou le 112", "comment ça s’appelle",
          "vous parlez anglais\\?", "quel jour\\? *\\nUn \\w+di\\b", "\\b([A-Z], ){2,}[A-Z]\\b",
          "\\b0[67]( \\d\\d){4}\\b", "Une autre fois\\?", "la météo", "vous pouvez me l’écrire\\?"})
        EXPECT_TRUE(QRegularExpression(QString::fromUtf8(pattern),
                                       QRegularExpression::CaseInsensitiveOption)
                        .match(french)
                        .hasMatch())
            << pattern;
}

TEST(WholeTable, holdsEveryIdOfTwentyNineTopicsWithItsTranslationAndNothingElse) {
    const DialogueTable& table = DialogueTable::builtIn();
    EXPECT_TRUE(table.problems().isEmpty()) << qPrintable(table.problems().join('\n'));
    // The fixed texts, exact, trailing blanks included.
    for (auto [id, text] : {std::pair{10101, "Bonjour!  "}, std::pair{20101, "Hello!  "},
                            std::pair{20102, "Good morning (Madam)!  "}})
        EXPECT_EQ(table.lookup(id).value_or("").toStdString(), text) << id;
    std::map<int, int> french, english; // blanks at the end -> entries; 1,015 each in all
    for (int id = -32768; id < 32768; ++id) {
        const auto text = table.lookup(id);
        if (!text)
            continue;
        const bool isEnglish = id >= kFrenchBase + kEnglishOffset;
        ++(isEnglish ? english : french)[int(text->size() - text->trimmed().size())];
        if (!isEnglish) {
            ASSERT_TRUE(table.lookup(englishFor(id)).has_value()) << id << " has no translation";
        }
    }
    EXPECT_EQ(french, (std::map<int, int>{{0, 51}, {1, 85}, {2, 879}}));
    EXPECT_EQ(english, (std::map<int, int>{{0, 27}, {1, 103}, {2, 885}}));
}

TEST(TopicFolder, readsTopicFilesAndReportsAndLeavesOutTheUnreadable) {
    QTemporaryDir dir;
    const auto put = [&](const QString& name, const QByteArray& contents) {
        QFile file(QDir(dir.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(contents), contents.size());
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
