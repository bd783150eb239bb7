// The compact sentence store and its key index: texts read back as put in, the bytes are the
// sentences file itself, and keys are told apart exactly.
#include "core/decks/deck_reader.h"
#include "core/decks/deck_sentences.h"
#include "core/decks/line_key_index.h"

#include <gtest/gtest.h>

namespace {

TEST(DeckSentences, keepNonAsciiTextsAndReplaceOneLeavingTheOthers) {
    DeckSentences sentences = {{"clé-ü", "Où est l'été ?", "Where is summer?"},
                               {"k2", "Ça va.", "Fine."}};
    EXPECT_EQ(sentences.at(0), (DeckSentence{"clé-ü", "Où est l'été ?", "Where is summer?"}));
    sentences.replace(0, {"k1", "Oui.", "Yes, a much longer translation."});
    EXPECT_EQ(sentences.at(1), (DeckSentence{"k2", "Ça va.", "Fine."}));
    EXPECT_EQ(sentences.indexOf("k2"), 1);
    EXPECT_EQ(sentences.bytes(), QByteArray("sentence\ttranslation\tkey\n"
                                            "Oui.\tYes, a much longer translation.\tk1\n"
                                            "Ça va.\tFine.\tk2\n"));
}

TEST(DeckSentences, aSpreadsheetsFileReadsAsTheCanonicalOneWithItsOwnLineNumbers) {
    DeckSentences read;
    ASSERT_EQ(read.parse("\xEF\xBB\xBFsentence\ttranslation\tkey\r\n\r\nA\tB\tk\r\nC\tD\tl"),
              QString());
    EXPECT_EQ(read.bytes(), QByteArray("sentence\ttranslation\tkey\nA\tB\tk\nC\tD\tl\n"));
    EXPECT_EQ(read.parse("sentence\ttranslation\tkey\n\nA\tB\tk\n\nC\tD\tk\n"),
              QStringLiteral("line 5 repeats a key"));
}

TEST(LineKeyIndex, tellsKeysApartByEveryByte) {
    DeckSentences sentences;
    const QStringList keys = {"12", "1", "123", "É", "E", "e"};
    for (const QString& key : keys)
        sentences.push_back({key, "s", "t"});
    for (int i = 0; i < 5000; ++i) // grown well past its first size
        sentences.push_back({QString::number(1000 + i), "s", "t"});
    sentences.push_back({"123", "again", "t"});
    LineKeyIndex index(sentences.lines(), DeckSentences::kKeyColumn);
    for (size_t i = 0; i + 1 < sentences.size(); ++i)
        EXPECT_TRUE(index.insert(i)) << i;
    EXPECT_FALSE(index.insert(sentences.size() - 1));
    EXPECT_EQ(index.find(QStringLiteral("É")), 3);
    EXPECT_EQ(index.find(QStringLiteral("12 ")), -1);
}

TEST(DeckReader, utf16BiggerThanOnePieceKeepsACharacterSplitBetweenPieces) {
    // The converter takes 2 MiB after the mark at a time: the emoji's first unit ends the first.
    const qsizetype before = (1 << 20) - 1;
    QString text = QStringLiteral("a;b\n").repeated(1000);
    text += QString(before - text.size() - 2, QLatin1Char('a')) + QStringLiteral(";z");
    text += QStringLiteral("\U0001F642\nfin;end\n");
    QByteArray bytes("\xFF\xFE");
    bytes += QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    DeckReadResult result = readDeckText(bytes, "big.csv");
    ASSERT_TRUE(result.table);
    const TabLines& rows = result.table->rows;
    EXPECT_EQ(rows[rows.size() - 2][1], QStringLiteral("z\U0001F642"));
}

} // namespace
