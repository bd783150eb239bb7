// The complete table as the program plays it: 29 topics of 35 sentences in both languages.
#include "content/dialogue_table.h"
#include "content/sentence_id.h"

#include <gtest/gtest.h>
#include <map>

namespace {

using namespace SentenceId;

TEST(WholeTable, holdsEveryIdOfTwentyNineTopicsWithItsTranslationAndNothingElse) {
    const DialogueTable& table = DialogueTable::builtIn();
    int french = 0, english = 0;
    for (int id = 0; id < 32768; ++id) {
        if (!table.lookup(id))
            continue;
        const bool isFrench = id < kFrenchBase + kEnglishOffset;
        (isFrench ? french : english)++;
        if (isFrench) {
            EXPECT_TRUE(table.lookup(englishFor(id))) << id;
        }
    }
    EXPECT_EQ(french, 1015);
    EXPECT_EQ(english, 1015);
    for (int k = 1; k <= kRepeatedTopics; ++k)
        for (int s = 1; s <= kSentencesPerTopic; ++s)
            EXPECT_EQ(table.lookup(englishFor(SentenceId::french(kNamedTopics + k, s))),
                      table.lookup(englishFor(SentenceId::french(k, s))));
}

TEST(WholeTable, trailingBlanksAndLengthsKeepTheirCountsAndRanges) {
    std::map<int, int> french, english; // blanks at the end -> entries
    QList<qsizetype> frenchLengths, englishLengths;
    for (int id = 10101; id <= 12935; ++id) {
        const auto text = DialogueTable::builtIn().lookup(id);
        if (!text)
            continue;
        const QString translation = *DialogueTable::builtIn().lookup(englishFor(id));
        ++french[int(text->size() - QString(*text).trimmed().size())];
        ++english[int(translation.size() - QString(translation).trimmed().size())];
        frenchLengths << text->size();
        englishLengths << translation.size();
    }
    EXPECT_EQ(french, (std::map<int, int>{{0, 51}, {1, 85}, {2, 879}}));
    EXPECT_EQ(english, (std::map<int, int>{{0, 27}, {1, 103}, {2, 885}}));
    const auto [frenchMin, frenchMax] =
        std::minmax_element(frenchLengths.begin(), frenchLengths.end());
    const auto [englishMin, englishMax] =
        std::minmax_element(englishLengths.begin(), englishLengths.end());
    EXPECT_EQ(QList<qsizetype>({*frenchMin, *frenchMax, *englishMin, *englishMax}),
              QList<qsizetype>({6, 119, 5, 108}));
}

} // namespace
