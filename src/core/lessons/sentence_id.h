// Sentence ids, made and taken apart here only: French id = 10000 + 100 x topic + sentence,
// English id = French id + 10000.
#pragma once

namespace SentenceId {

inline constexpr int kFrenchBase = 10000;
inline constexpr int kEnglishOffset = 10000;
inline constexpr int kPerTopicStride = 100; // ids of one topic lie in one hundred
inline constexpr int kSentencesPerTopic = 35;
inline constexpr int kNamedTopics = 21;   // the topics a learner can choose
inline constexpr int kRepeatedTopics = 8; // topics 22 to 29 replay topics 1 to 8
inline constexpr int kTopics = kNamedTopics + kRepeatedTopics;

constexpr int french(int topic, int sentence) {
    return kFrenchBase + kPerTopicStride * topic + sentence;
}
inline constexpr int kFirst = french(1, 1);
// A sentence of the learner's deck now playing: its index in the deck, in ids of their own
// far above the table's, so that nothing keyed by table ids ever takes one for a table sentence.
inline constexpr int kDeckBase = 1000000;

constexpr int englishFor(int frenchId) {
    return frenchId + kEnglishOffset;
}
constexpr bool isEnglish(int id) {
    return id >= kFrenchBase + kEnglishOffset && id < kDeckBase;
}
constexpr int frenchOf(int id) {
    return isEnglish(id) ? id - kEnglishOffset : id;
}

// The topic part of a French id, rounded down, so that positions below a topic's first
// sentence (the first-run position 11000) fall in the topic before.
constexpr int topicOf(int frenchId) {
    const int part = frenchId - kFrenchBase;
    return part >= 0 ? part / kPerTopicStride : -((kPerTopicStride - 1 - part) / kPerTopicStride);
}
// The sentence part, 0 to 99.
constexpr int sentenceOf(int frenchId) {
    return frenchId - kFrenchBase - kPerTopicStride * topicOf(frenchId);
}

// Whether a French id names a sentence of the table (topics 1 to 29).
constexpr bool inTable(int frenchId) {
    return topicOf(frenchId) >= 1 && topicOf(frenchId) <= kTopics && sentenceOf(frenchId) >= 1 &&
           sentenceOf(frenchId) <= kSentencesPerTopic;
}

// The topic whose texts a table topic holds: 22 to 29 hold those of 1 to 8.
constexpr int storedTopic(int topic) {
    return topic > kNamedTopics ? topic - kNamedTopics : topic;
}

constexpr int deckSentence(int index) {
    return kDeckBase + index;
}
constexpr bool isDeckSentence(int id) {
    return id >= kDeckBase;
}
constexpr int deckIndexOf(int id) {
    return id - kDeckBase;
}
static_assert(!inTable(deckSentence(0)));

static_assert(topicOf(11000) == 10 && sentenceOf(11000) == 0);
static_assert(topicOf(9999) == -1 && sentenceOf(9999) == 99);

} // namespace SentenceId
