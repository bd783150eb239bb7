// The complete table as the program plays it: 29 topics of 35 sentences in both languages.
#include "content/dialogue_table.h"
#include "content/sentence_id.h"

#include <gtest/gtest.h>
#include <map>

namespace {

using namespace SentenceId;

const DialogueTable& table() {
    return DialogueTable::builtIn();
}

TEST(WholeTable, holdsEveryIdOfTwentyNineTopicsInBothLanguagesAndNothingElse) {
    int french = 0, english = 0;
    for (int id = 0; id < 32768; ++id) {
        if (!table().lookup(id))
            continue;
        if (id < kFrenchBase + kEnglishOffset) {
            ++french;
            EXPECT_TRUE(table().lookup(englishFor(id))) << id;
        } else {
            ++english;
        }
    }
    EXPECT_EQ(french, 1015);
    EXPECT_EQ(english, 1015);
    for (int topic = 1; topic <= kTopics; ++topic)
        for (int sentence = 1; sentence <= kSentencesPerTopic; ++sentence)
            EXPECT_TRUE(table().lookup(SentenceId::french(topic, sentence)));
    EXPECT_EQ(table().lookup(22935), table().lookup(20835));
}

TEST(WholeTable, trailingBlanksKeepTheirCountsOverAllEntries) {
    std::map<int, int> french, english; // blanks at the end -> entries
    for (int topic = 1; topic <= kTopics; ++topic) {
        for (int sentence = 1; sentence <= kSentencesPerTopic; ++sentence) {
            const int id = SentenceId::french(topic, sentence);
            for (auto [text, counts] : {std::pair{*table().lookup(id), &french},
                                        std::pair{*table().lookup(englishFor(id)), &english}}) {
                int blanks = 0;
                while (blanks < text.size() && text[text.size() - 1 - blanks] == ' ')
                    ++blanks;
                ++(*counts)[blanks];
            }
        }
    }
    EXPECT_EQ(french, (std::map<int, int>{{0, 51}, {1, 85}, {2, 879}}));
    EXPECT_EQ(english, (std::map<int, int>{{0, 27}, {1, 103}, {2, 885}}));
}

TEST(WholeTable, shortestAndLongestEntriesSpanTheirFullRange) {
    qsizetype frenchShortest = 1000, frenchLongest = 0, englishShortest = 1000, englishLongest = 0;
    for (int topic = 1; topic <= kNamedTopics; ++topic) {
        for (const DialogueSentence& s : table().topic(topic).sentences) {
            frenchShortest = std::min(frenchShortest, s.french.size());
            frenchLongest = std::max(frenchLongest, s.french.size());
            englishShortest = std::min(englishShortest, s.english.size());
            englishLongest = std::max(englishLongest, s.english.size());
        }
    }
    EXPECT_EQ(frenchShortest, 6);
    EXPECT_EQ(frenchLongest, 119);
    EXPECT_EQ(englishShortest, 5);
    EXPECT_EQ(englishLongest, 108);
}

} // namespace
