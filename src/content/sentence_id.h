// Sentence ids: French id = 10000 + 100 x topic + sentence, English id = French id + 10000.
#pragma once

#include <cstdint>

namespace SentenceId {

inline constexpr int kFrenchBase = 10000;
inline constexpr int kEnglishOffset = 10000;
inline constexpr int kSentencesPerTopic = 35;
inline constexpr int kNamedTopics = 21;   // the topics a learner can choose
inline constexpr int kRepeatedTopics = 8; // topics 22 to 29 replay topics 1 to 8
inline constexpr int kTopics = kNamedTopics + kRepeatedTopics;
inline constexpr int kFirst = 10101; // sentence 1 of topic 1

constexpr int french(int topic, int sentence) {
    return kFrenchBase + 100 * topic + sentence;
}
constexpr int englishFor(int frenchId) {
    return frenchId + kEnglishOffset;
}

// The topic whose texts a table topic holds: 22 to 29 hold those of 1 to 8.
constexpr int storedTopic(int topic) {
    return topic > kNamedTopics ? topic - kNamedTopics : topic;
}

} // namespace SentenceId
