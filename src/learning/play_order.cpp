#include "learning/play_order.h"

#include "app/module1.h"
#include "content/dialogue_table.h"
#include "content/sentence_id.h"
#include "playback/sentence_selector.h"

PlayOrder::PlayOrder(SentenceSelector& selector, const DialogueTable& table, QObject* parent)
    : QObject(parent), m_selector(selector), m_table(table) {}

bool PlayOrder::next(QString& french, QString& english) {
    const bool sequence = m_selector.SelectNextSentence(french, english);
    if (sequence) {
        showing(Settings.guagen - 1, french);
    } else {
        m_history.record({m_selector.randomId(), french, english});
        showing(m_selector.randomId(), french);
    }
    return sequence;
}

std::optional<bool> PlayOrder::previous(QString& french, QString& english) {
    if (m_selector.SelectPreviousSentence(french, english)) {
        showing(Settings.guagen - 1, french);
        return true;
    }
    const auto earlier = m_history.stepBack();
    if (!earlier)
        return std::nullopt;
    french = earlier->french;
    english = earlier->english;
    showing(earlier->id, french);
    return false;
}

QString PlayOrder::currentTopicName() const {
    if (m_currentId == 0)
        return {};
    const int topic = (m_currentId - SentenceId::kFrenchBase) / 100;
    if (topic < 1 || topic > SentenceId::kTopics)
        return {};
    return m_table.topicName(SentenceId::storedTopic(topic));
}

void PlayOrder::showing(int id, const QString& french) {
    m_currentId = id;
    emit sentenceChanged(currentTopicName(), french, id);
}
