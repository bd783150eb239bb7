#include "core/playback/sentence_selector.h"

#include "core/lessons/dialogue_table.h"
#include "core/lessons/sentence_id.h"
#include "core/playback/random_source.h"
#include "core/ports/message_dialog.h"
#include "core/settings/product.h"
#include "core/settings/settings_record.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using namespace SentenceId;

// The next position within one topic: the stored one when it lies in the topic, else sentence 1.
int positionInTopic(int position, int topic) {
    if (topicOf(position) != topic || sentenceOf(position) > kSentencesPerTopic)
        return french(topic, 1);
    // A sentence part of 0 (the first-run position 11000) means the topic's first sentence.
    return sentenceOf(position) == 0 ? position + 1 : position;
}

// The next position of the walk through every topic, 22 to 29 included.
int positionInWalk(int position) {
    if (sentenceOf(position) > kSentencesPerTopic)
        position = french(topicOf(position) + 1, 1);
    const int topic = topicOf(position);
    // Past the last topic, or a stored position from outside the table: start again.
    if (topic < 1 || topic > kTopics)
        return kFirst;
    return sentenceOf(position) == 0 ? position + 1 : position;
}

// The sentence before `current` within one topic; from sentence 1, or from outside the topic,
// the topic's last sentence.
int previousInTopic(int current, int topic) {
    const int sentence = sentenceOf(current);
    if (topicOf(current) != topic || sentence <= 1 || sentence > kSentencesPerTopic)
        return french(topic, kSentencesPerTopic);
    return current - 1;
}

// The sentence before `current` in the walk through every topic; before the first sentence,
// or from outside the table, the walk's last sentence.
int previousInWalk(int current) {
    const int topic = topicOf(current);
    const int sentence = sentenceOf(current);
    if (topic < 1 || topic > kTopics)
        return french(kTopics, kSentencesPerTopic);
    if (sentence > kSentencesPerTopic)
        return french(topic, kSentencesPerTopic);
    if (sentence > 1)
        return current - 1;
    return topic > 1 ? french(topic - 1, kSentencesPerTopic) : french(kTopics, kSentencesPerTopic);
}

} // namespace

SentenceSelector::SentenceSelector(const DialogueTable& table, SettingsRecord& settings,
                                   RandomSource& random, MessageDialog& messages)
    : m_table(table), m_settings(settings), m_random(random), m_messages(messages) {}

bool SentenceSelector::selectNextSentence(QString& frenchText, QString& englishText) {
    if (!m_settings.playsInSequence()) {
        m_randomId = drawRandomId();
        fetch(m_randomId, frenchText, englishText);
        return false;
    }
    const int16_t position = skipKnown(sequencePosition());
    fetch(position, frenchText, englishText);
    m_settings.sequencePosition = static_cast<int16_t>(position + 1);
    return true;
}

// The first sentence from the position on (or back, for the learner's "previous") that the
// learner does not know yet; when there is none in the whole walk, the position itself.
int16_t SentenceSelector::skipKnown(int16_t position, bool backwards) {
    if (!m_filter)
        return position;
    const int walkLength = kSentencesPerTopic * (m_settings.playsOneTopic() ? 1 : kTopics);
    int candidate = position;
    for (int step = 0; step < walkLength; ++step) {
        if (!known(candidate))
            return static_cast<int16_t>(candidate);
        candidate = backwards ? walkBackFrom(candidate) : walkFrom(candidate + 1);
    }
    m_filter->everySentenceKnown();
    return position;
}

bool SentenceSelector::selectPreviousSentence(QString& frenchText, QString& englishText) {
    if (!m_settings.playsInSequence())
        return false;
    // The position stands one past the sentence last selected.
    const int current = m_settings.sequencePosition - 1;
    const int16_t previous =
        skipKnown(static_cast<int16_t>(walkBackFrom(current)), /*backwards=*/true);
    fetch(previous, frenchText, englishText);
    m_settings.sequencePosition = static_cast<int16_t>(previous + 1);
    return true;
}

int16_t SentenceSelector::drawRandomId() {
    m_random.reseed();
    const float r = m_random.draw();
    // One topic, or every sentence of the learner's topics, each as likely as any other; the
    // sentences the learner knows are left out unless nothing else is left.
    const int firstTopic = m_settings.playsOneTopic() ? m_settings.topic : 1;
    const int lastTopic = m_settings.playsOneTopic() ? m_settings.topic : kNamedTopics;
    std::vector<int16_t> all, unknown;
    for (int topic = firstTopic; topic <= lastTopic; ++topic) {
        for (int sentence = 1; sentence <= kSentencesPerTopic; ++sentence) {
            const auto id = static_cast<int16_t>(french(topic, sentence));
            all.push_back(id);
            if (!known(id))
                unknown.push_back(id);
        }
    }
    if (unknown.empty()) {
        m_filter->everySentenceKnown();
        unknown = all;
    }
    const auto index = static_cast<size_t>(std::floor(r * static_cast<float>(unknown.size())));
    return unknown[std::min(index, unknown.size() - 1)];
}

int16_t SentenceSelector::sequencePosition() const {
    return static_cast<int16_t>(walkFrom(m_settings.sequencePosition));
}

int SentenceSelector::walkFrom(int position) const {
    return m_settings.playsOneTopic() ? positionInTopic(position, m_settings.topic)
                                      : positionInWalk(position);
}

int SentenceSelector::walkBackFrom(int current) const {
    return m_settings.playsOneTopic() ? previousInTopic(current, m_settings.topic)
                                      : previousInWalk(current);
}

void SentenceSelector::fetch(int16_t id, QString& frenchText, QString& englishText) {
    const auto french = m_table.lookup(id);
    const auto english = m_table.lookup(englishFor(id));
    if (french)
        frenchText = *french;
    if (english)
        englishText = *english;
    if (!french || !english)
        m_messages.inform(QString::fromLatin1(Product::kTitle), QString::number(id));
}
