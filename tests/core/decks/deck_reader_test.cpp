// Reading the files learners bring: the format and the encoding from the content, every field
// cleaned, refusals naming the file, and the deck drafted from the chosen columns.
#include "core/decks/deck_reader.h"

#include <gtest/gtest.h>
#include <ostream>

static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

DeckTable readTable(const QByteArray& bytes) {
    DeckReadResult result = readDeckText(bytes, QStringLiteral("deck.txt"));
    EXPECT_EQ(result.error, QString());
    return result.table.value_or(DeckTable());
}

TEST(DeckReader, ankiExportKeepsItsGuidAndCleansHtmlSoundsAndClozes) {
    const DeckTable table = readTable(
        "#separator:tab\n#html:true\n#guid column:1\n#notetype column:2\n#deck:Mes phrases\n"
        "#columns:Guid\tNotetype\tFront\tBack\n# a comment\n"
        "abc1\tBasic\t\"Il <b>pleut</b>&nbsp;[sound:p.mp3]<BR />des {{c1::cordes::hint}}\"\t"
        "It's raining<br>cats &amp; dogs &#233;&#xE9; &lt;b&gt;\n"
        "def2\tBasic\t\"Je {{c2::viens}}.<img src=\"\"x.png\"\">\nvite\"\t\"I'm "
        "\"\"coming\"\"\"\n");
    EXPECT_EQ(table.format, DeckFormat::AnkiNotes);
    EXPECT_EQ(table.deckName, QStringLiteral("Mes phrases"));
    EXPECT_EQ(table.guidColumn, 0);
    EXPECT_EQ(table.columnNames.size(), 4);
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0][2], QStringLiteral("Il pleut des cordes"));
    EXPECT_EQ(table.rows[0][3], QStringLiteral("It's raining cats & dogs éé <b>"));
    EXPECT_EQ(table.rows[1][2], QStringLiteral("Je viens. vite"));
    EXPECT_EQ(table.rows[1][3], QStringLiteral("I'm \"coming\""));
    EXPECT_EQ(table.rowLines, (std::vector<int>{8, 9}));
    EXPECT_EQ(table.sentenceColumn, 2);
    EXPECT_EQ(table.translationColumn, 3);
    const DeckDraft draft = draftDeck(table, 2, 3);
    ASSERT_EQ(draft.sentences.size(), 2u);
    EXPECT_EQ(draft.sentences[0].key, QStringLiteral("abc1"));
}

TEST(DeckReader, ankiWithoutNamesTakesTheFrenchFieldAndShowsClozesWithoutHtml) {
    const DeckTable table =
        readTable("#separator:Semicolon\n#html:false\nThe cat is {{c1::here}};Le chat est là\n"
                  "Where is it?;Où est-il ?\n");
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.separator, QChar(';'));
    EXPECT_EQ(table.rows[0][0], QStringLiteral("The cat is here"));
    EXPECT_EQ(table.sentenceColumn, 1);
    EXPECT_EQ(table.translationColumn, 0);
}

TEST(DeckReader, frenchExcelCsvIsSemicolonWindows1252WithQuotedLineEnds) {
    const DeckTable table =
        readTable("Fran\xe7"
                  "ais;Anglais\r\nC'est l'\x9cuvre, enfin;It's the work, at last\r\n"
                  "\"Il co\xfbte 5 \x80\nou \"\"6\"\"\";It costs 5, or 6 euros\r\nTrois, "
                  "deux;Three, two\r\n");
    EXPECT_EQ(table.separator, QChar(';'));
    EXPECT_EQ(table.encoding, QStringLiteral("Windows-1252"));
    EXPECT_EQ(table.columnNames, QStringList({QStringLiteral("Français"), "Anglais"}));
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[0][0], QStringLiteral("C'est l'œuvre, enfin"));
    EXPECT_EQ(table.rows[1][0], QStringLiteral("Il coûte 5 € ou \"6\""));
    EXPECT_EQ(table.rowLines, (std::vector<int>{2, 3, 5}));
}

TEST(DeckReader, commaFileWithTimesIsNotColonSeparated) {
    const DeckTable table = readTable("Le train part à 9:00,The train leaves at 9:00\n"
                                      "On se voit à 10:30,See you at 10:30\n");
    EXPECT_EQ(table.separator, QChar(','));
    EXPECT_EQ(table.rows.size(), 2u);
    EXPECT_TRUE(table.columnNames.isEmpty());
}

TEST(DeckReader, tatoebaPairsKeepTheFirstTranslationOfEachSentence) {
    const DeckTable table =
        readTable("\xEF\xBB\xBF"
                  "1\tIl a dit \"non\".\t10\tHe said \"no\".\r\n"
                  "2\tJe t'aime.\t20\tI love you.\r\n"
                  "2\tJe t'aime.\t21\tI love thee.\r\n"
                  "2\tJe t'aime.\t22\tI'm in love with you.\r\n"
                  "3\t\"Pourquoi ?\" demanda-t-il.\t30\t\"Why?\" he asked.\r\n");
    EXPECT_EQ(table.format, DeckFormat::TatoebaPairs);
    EXPECT_EQ(table.folded, 2);
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[0][0], QStringLiteral("1"));
    EXPECT_EQ(table.rows[2][1], QStringLiteral("\"Pourquoi ?\" demanda-t-il."));
    EXPECT_EQ(table.rowLines[2], 5);
    const DeckDraft draft = draftDeck(table, table.sentenceColumn, table.translationColumn);
    ASSERT_EQ(draft.sentences.size(), 3u);
    EXPECT_EQ(draft.sentences[1], (DeckSentence{"2", "Je t'aime.", "I love you."}));
    EXPECT_EQ(draft.folded, 2);
}

TEST(DeckReader, utf16WithEitherByteOrderMarkIsRead) {
    const QString text = QStringLiteral("Ça va ?\tHow are you?\r\nMerci.\tThanks.\r\n");
    for (bool littleEndian : {true, false}) {
        QByteArray bytes = littleEndian ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
        for (QChar c : text) {
            const char low = char(c.unicode() & 0xFF), high = char(c.unicode() >> 8);
            bytes.append(littleEndian ? low : high).append(littleEndian ? high : low);
        }
        const DeckTable table = readTable(bytes);
        EXPECT_EQ(table.encoding, QStringLiteral("UTF-16"));
        ASSERT_EQ(table.rows.size(), 2u);
        EXPECT_EQ(table.rows[0][0], QStringLiteral("Ça va ?"));
    }
}

TEST(DeckReader, junkIsRefusedNamingTheFile) {
    const QByteArray junk[] = {QByteArray("PK\x03\x04\x00\x00\x01\x02", 8), QByteArray("\n\n  "),
                               QByteArray("un\ndeux\ntrois\n")};
    for (const QByteArray& bytes : junk) {
        const DeckReadResult result = readDeckText(bytes, QStringLiteral("/home/x/notes.csv"));
        EXPECT_FALSE(result.table.has_value());
        EXPECT_TRUE(result.error.startsWith(QStringLiteral("notes.csv ")))
            << result.error.toStdString();
    }
}

TEST(DeckReader, filesOverTheLimitsAreRefusedNamingTheLimit) {
    const QByteArray huge(DeckLimits::kMaxFileBytes + 1, 'a');
    EXPECT_TRUE(readDeckText(huge, "big.csv").error.contains(QStringLiteral("100 MB")));
    const QByteArray manyRecords = QByteArray("a,b\n").repeated(DeckLimits::kMaxRecords + 1);
    EXPECT_TRUE(readDeckText(manyRecords, "big.csv").error.contains(QStringLiteral("200,000")));
    EXPECT_TRUE(readDeckText(manyRecords.left(4 * DeckLimits::kMaxRecords), "ok.csv").table);
}

TEST(DeckReader, oneFieldRecordsAreSkippedByLineWhateverTheLineEnds) {
    for (const char* end : {"\n", "\r", "\r\n"}) {
        const DeckTable table = readTable(QByteArray("a;b_ _seul_c;d_").replace('_', end));
        EXPECT_EQ(table.rows.size(), 2u);
        EXPECT_EQ(table.skippedCount, 1);
        ASSERT_EQ(table.skipped.size(), 1u);
        EXPECT_EQ(table.skipped[0].line, 3);
        EXPECT_EQ(table.skipped[0].reason, QStringLiteral("one field"));
    }
}

TEST(DeckReader, headerRowsAreNamesAndGuideTheColumns) {
    const DeckTable named = readTable("English,French\nGood night.,Bonne nuit.\n");
    EXPECT_EQ(named.columnNames, QStringList({"English", "French"}));
    EXPECT_EQ(named.rows.size(), 1u);
    EXPECT_EQ(named.sentenceColumn, 1);
    const DeckTable shortNames = readTable("Mot;Sens\nJe mange une pomme.;I eat an apple.\n"
                                           "Nous partons demain.;We leave tomorrow.\n");
    EXPECT_EQ(shortNames.columnNames.size(), 2);
    const DeckTable vocabulary = readTable("chat,cat\nchien,dog\ncheval,horse\n");
    EXPECT_TRUE(vocabulary.columnNames.isEmpty());
    const DeckTable unnamed =
        readTable("Notes,I am here.,Je suis là.\n,It is late.,Il est tard.\n");
    EXPECT_EQ(unnamed.sentenceColumn, 2);
    EXPECT_EQ(unnamed.translationColumn, 0);
}

TEST(DeckReader, progressCanStopTheReading) {
    const QByteArray bytes = QByteArray("un;one\n").repeated(20000);
    int calls = 0;
    const DeckReadResult result = readDeckText(bytes, "deck.csv", [&calls](int percent) {
        EXPECT_LE(percent, 100);
        return ++calls < 2;
    });
    EXPECT_EQ(calls, 2);
    EXPECT_FALSE(result.table.has_value());
    EXPECT_TRUE(result.error.isEmpty());
}

TEST(DeckField, cleaningComposesCollapsesBlanksAndDropsControls) {
    EXPECT_EQ(cleanDeckField(QStringLiteral("  e\u0301te\u0301\t \n  chaud\x01 ")),
              QStringLiteral("été chaud"));
    EXPECT_EQ(cleanDeckField(QStringLiteral("a <b>gras</b> &amp;")),
              QStringLiteral("a <b>gras</b> &amp;"));
}

DeckTable tableOf(const std::vector<QStringList>& rows) {
    DeckTable table;
    for (const QStringList& row : rows)
        table.rows.append(row);
    for (size_t i = 0; i < rows.size(); ++i)
        table.rowLines.push_back(int(i) + 2);
    return table;
}

TEST(DeckDraft, leavesOutEmptyAndLongTextsAndFoldsTakenKeys) {
    DeckTable table = tableOf({{"Oui.", "Yes."},
                               {"", "Nothing."},
                               {"Non.", ""},
                               {QString(501, 'a'), "Long."},
                               {"Oui.", "Yes indeed."},
                               {"Peut-être.", "Maybe."}});
    table.skippedCount = 1;
    table.skipped = {{4, QStringLiteral("one field")}};
    const DeckDraft draft = draftDeck(table, 0, 1);
    ASSERT_EQ(draft.sentences.size(), 2u);
    EXPECT_EQ(draft.sentences[1], (DeckSentence{"Peut-être.", "Peut-être.", "Maybe."}));
    EXPECT_EQ(draft.folded, 1);
    EXPECT_EQ(draft.skippedCount, 4);
    ASSERT_EQ(draft.skipped.size(), 4u);
    const std::pair<int, QString> want[] = {{3, "empty sentence"},
                                            {4, "one field"},
                                            {4, "empty translation"},
                                            {5, "over 500 characters"}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(draft.skipped[i].line, want[i].first);
        EXPECT_EQ(draft.skipped[i].reason, want[i].second);
    }
}

TEST(DeckDraft, oneColumnTwiceOrNoneLeavesEverythingOut) {
    const DeckTable table = tableOf({{"Oui.", "Yes."}, {"Non.", "No."}});
    for (const auto& [sentence, translation] : {std::pair{0, 0}, {0, 7}, {-1, 1}}) {
        const DeckDraft draft = draftDeck(table, sentence, translation);
        EXPECT_TRUE(draft.sentences.empty());
        EXPECT_EQ(draft.skippedCount, 2);
    }
}

TEST(DeckSummary, namesEveryPartWithThousandsSeparators) {
    DeckTable table;
    table.folded = 12;
    table.encoding = QStringLiteral("Windows-1252");
    DeckDraft draft;
    for (int i = 0; i < 1200; ++i)
        draft.sentences.push_back({});
    draft.skippedCount = 1004;
    draft.skipped = {{3, QStringLiteral("empty translation")}};
    draft.folded = 12;
    EXPECT_EQ(importSummary(table, draft, {1150, 0, 50, 0}),
              QStringLiteral("2,204 sentences: 1,150 added, 50 unchanged, 1,004 skipped (line 3: "
                             "empty translation, ...); 12 further translations folded; read as "
                             "Windows-1252"));
}

} // namespace
