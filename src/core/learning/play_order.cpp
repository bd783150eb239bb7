#include "core/learning/play_order.h"

#include "core/learning/deck_play_order.h"
#include "core/lessons/dialogue_table.h"
#include "core/lessons/sentence_id.h"
#include "core/playback/sentence_selector.h"
#include "core/settings/settings_record.h"

PlayOrder::PlayOrder(SentenceSelector& selector, const DialogueTable& table,
                     const SettingsRecord& settings, PlaybackState& onBar, QObject* parent)
    : QObject(parent), m_selector(selector), m_table(table), m_settings(settings), m_onBar(onBar) {}

bool PlayOrder::next() {
    // A sentence due for review plays first; the order stays where it was, to go on after it.
    if (m_due) {
        if (const auto due = m_due->takeDue()) {
            showing(due->id, due->french, due->english);
            return m_settings.playsInSequence();
        }
    }
    if (m_decks && m_decks->playing()) {
        if (const auto sentence = m_decks->next()) {
            showing(sentence->id, sentence->text, sentence->translation);
            return sentence->inSequence;
        }
    }
    // After a step back, forwards goes through what was shown before anything new is drawn.
    if (!m_settings.playsInSequence()) {
        if (const auto later = m_history.stepForward()) {
            showing(later->id, later->french, later->english);
            return false;
        }
    }
    // A text whose lookup fails keeps what the bar shows.
    QString french = m_onBar.french(), english = m_onBar.english();
    const bool sequence = m_selector.selectNextSentence(french, english);
    if (sequence) {
        showing(m_settings.sequencePosition - 1, french, english);
    } else {
        m_history.record({m_selector.randomId(), french, english});
        showing(m_selector.randomId(), french, english);
    }
    return sequence;
}

std::optional<bool> PlayOrder::previous() {
    if (m_decks && m_decks->playing()) {
        const auto sentence = m_decks->previous();
        if (!sentence)
            return std::nullopt;
        showing(sentence->id, sentence->text, sentence->translation);
        return sentence->inSequence;
    }
    QString french = m_onBar.french(), english = m_onBar.english();
    if (m_selector.selectPreviousSentence(french, english)) {
        showing(m_settings.sequencePosition - 1, french, english);
        return true;
    }
    const auto earlier = m_history.stepBack();
    if (!earlier)
        return std::nullopt;
    showing(earlier->id, earlier->french, earlier->english);
    return false;
}

QString PlayOrder::currentTopicName() const {
    if (currentId() == 0)
        return {};
    if (SentenceId::isDeckSentence(currentId()))
        return m_decks ? m_decks->name() : QString();
    const int topic = SentenceId::topicOf(currentId());
    if (topic < 1 || topic > SentenceId::kTopics)
        return {};
    return m_table.topicName(SentenceId::storedTopic(topic));
}

void PlayOrder::showing(int id, const QString& french, const QString& english) {
    m_onBar.setSentence(id, french, english);
    emit sentenceChanged(currentTopicName(), french, id, english);
}
