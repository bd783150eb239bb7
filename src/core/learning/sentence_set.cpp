#include "core/learning/sentence_set.h"

#include "core/lessons/sentence_id.h"

#include <QStringList>

using namespace SentenceId;

namespace {

// A bare decimal number of at most five digits; anything longer cannot be an id.
int idFromText(const QString& text) {
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 5)
        return 0;
    bool ok = false;
    const int value = digits.toInt(&ok);
    return ok && digits.at(0).isDigit() ? value : 0;
}

} // namespace

bool SentenceSet::isLearnerId(int frenchId) {
    return inTable(frenchId) && topicOf(frenchId) <= kNamedTopics;
}

int SentenceSet::learnerIdOf(int frenchId) {
    if (!inTable(frenchId))
        return 0;
    return french(storedTopic(topicOf(frenchId)), sentenceOf(frenchId));
}

int SentenceSet::slotOf(int learnerId) {
    return (topicOf(learnerId) - 1) * kSentencesPerTopic + sentenceOf(learnerId) - 1;
}

int SentenceSet::idOf(int slot) {
    return french(slot / kSentencesPerTopic + 1, slot % kSentencesPerTopic + 1);
}

bool SentenceSet::contains(int frenchId) const {
    const int id = learnerIdOf(frenchId);
    return id != 0 && m_bits.test(static_cast<size_t>(slotOf(id)));
}

bool SentenceSet::add(int frenchId) {
    const int id = learnerIdOf(frenchId);
    if (id == 0 || contains(id))
        return false;
    m_bits.set(static_cast<size_t>(slotOf(id)));
    return true;
}

void SentenceSet::removeTopic(int topic) {
    if (topic < 1 || topic > kNamedTopics)
        return;
    for (int sentence = 1; sentence <= kSentencesPerTopic; ++sentence)
        m_bits.reset(static_cast<size_t>(slotOf(french(topic, sentence))));
}

int SentenceSet::countInTopic(int topic) const {
    if (topic < 1 || topic > kNamedTopics)
        return 0;
    int count = 0;
    for (int sentence = 1; sentence <= kSentencesPerTopic; ++sentence)
        count += m_bits.test(static_cast<size_t>(slotOf(french(topic, sentence))));
    return count;
}

SentenceSet SentenceSet::fromText(const QString& text) {
    SentenceSet set;
    for (const QString& entry : text.split(QLatin1Char(','))) {
        const QStringList ends = entry.split(QLatin1Char('-'));
        if (ends.size() > 2)
            continue;
        const int first = idFromText(ends.front());
        const int last = idFromText(ends.back());
        // Only ids of the learner's topics; a range may run across topics, in id order.
        if (!isLearnerId(first) || !isLearnerId(last) || last < first)
            continue;
        for (int slot = slotOf(first); slot <= slotOf(last); ++slot)
            set.m_bits.set(static_cast<size_t>(slot));
    }
    return set;
}

QString SentenceSet::toText() const {
    QStringList entries;
    int slot = 0;
    while (slot < kSlots) {
        if (!m_bits.test(static_cast<size_t>(slot))) {
            ++slot;
            continue;
        }
        int end = slot;
        // A run stays within its topic, so every range reads as ids a learner recognises.
        while (end + 1 < kSlots && m_bits.test(static_cast<size_t>(end + 1)) &&
               (end + 1) % kSentencesPerTopic != 0)
            ++end;
        entries << (end == slot ? QString::number(idOf(slot))
                                : QStringLiteral("%1-%2").arg(idOf(slot)).arg(idOf(end)));
        slot = end + 1;
    }
    return entries.join(QLatin1Char(','));
}
