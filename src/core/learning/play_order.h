// The order sentences are played in, forwards and backwards: the selector's walk in sequence
// mode, and in random mode the draws already shown backwards and forwards again, then fresh
// draws.
#pragma once

#include "core/learning/due_sentences.h"
#include "core/learning/play_history.h"
#include "core/playback/playback_state.h"
#include "core/playback/sentence_order.h"

#include <QObject>
#include <optional>

class DeckPlayOrder;
class DialogueTable;
class SentenceSelector;
struct SettingsRecord;

// The sentence chosen goes into the playback state, which holds the one on the bar.
class PlayOrder : public QObject, public SentenceOrder {
    Q_OBJECT
public:
    PlayOrder(SentenceSelector& selector, const DialogueTable& table,
              const SettingsRecord& settings, PlaybackState& onBar, QObject* parent = nullptr);

    bool next() override;
    // In random mode, nothing when no earlier sentence was shown.
    std::optional<bool> previous() override;

    // The French id of the sentence on the bar, 0 before the first one.
    int currentId() const { return m_onBar.frenchId(); }
    // The topic's name, or the deck's while one plays.
    QString currentTopicName() const;
    QString currentFrench() const { return m_onBar.french(); }
    QString currentEnglish() const { return m_onBar.english(); }

    // While it plays a deck, the sentences come from it.
    void setDecks(DeckPlayOrder* decks) { m_decks = decks; }
    // What is due plays before the order's next sentence; none: the order alone.
    void setDueSentences(DueSentences* due) { m_due = due; }

signals:
    void sentenceChanged(const QString& topicName, const QString& french, int frenchId,
                         const QString& english);

private:
    void showing(int id, const QString& french, const QString& english);

    SentenceSelector& m_selector;
    const DialogueTable& m_table;
    const SettingsRecord& m_settings;
    PlaybackState& m_onBar;
    PlayHistory m_history;
    DeckPlayOrder* m_decks = nullptr;
    DueSentences* m_due = nullptr;
};
