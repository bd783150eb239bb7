// A set of sentences of the learner's topics (1 to 21), stored as a compact text of ids and
// ranges such as "10101-10135,10301".
#pragma once

#include "core/lessons/sentence_id.h"

#include <QString>
#include <bitset>

class SentenceSet {
public:
    // Whether the id names a sentence of topics 1 to 21.
    static bool isLearnerId(int frenchId);
    // Topics 22 to 29 replay 1 to 8: their ids stand for the sentence they replay.
    static int learnerIdOf(int frenchId);

    // Ids outside the table count as absent and are never added.
    bool contains(int frenchId) const;
    bool add(int frenchId); // true when it was not there yet
    void removeTopic(int topic);
    void clear() { m_bits.reset(); }
    int countInTopic(int topic) const;
    int size() const { return static_cast<int>(m_bits.count()); }

    // Reads entry by entry: junk, unknown ids, reversed ranges and duplicates are passed over,
    // the readable entries kept.
    static SentenceSet fromText(const QString& text);
    QString toText() const;

    bool operator==(const SentenceSet& other) const { return m_bits == other.m_bits; }

private:
    static constexpr int kSlots = SentenceId::kNamedTopics * SentenceId::kSentencesPerTopic;
    static int slotOf(int learnerId);
    static int idOf(int slot);

    std::bitset<kSlots> m_bits;
};
