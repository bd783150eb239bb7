// The learner's own modes: listen first, the translation hidden, the sentences marked known
// (which the selector then passes by), and the sentences seen so far; kept in the [Learning]
// group of the settings store.
#pragma once

#include "core/learning/listen_first.h"
#include "core/learning/sentence_set.h"
#include "core/playback/sentence_selector.h"

#include <QObject>

class DeckPlayOrder;
class SettingsStore;
struct SettingsRecord;

class LearningModes : public QObject, public SelectionFilter {
    Q_OBJECT
public:
    using Clock = ListenFirst::Clock;
    // The settings say which topic is chosen and whether the French is read aloud.
    LearningModes(SettingsStore& store, const SettingsRecord& settings, Clock clock,
                  QObject* parent = nullptr);

    // Newly seen sentences are written at most this often; marks and switches at once.
    static constexpr qint64 kSeenSaveIntervalMs = 30000;

    // Reads [Learning]; what cannot be read is left out, never an error.
    void load();
    // Writes [Learning] and makes it durable.
    void save();

    // Marks the sentence now playing as known and moves on to the next one at once.
    void markCurrentKnown();
    // Forgets the known sentences of the chosen topic (of every topic with "Entire").
    void forgetChosenTopic();
    void setListenFirst(bool on);
    bool listenFirst() const { return m_listen.enabled(); }
    // The English shows only when asked for.
    void setTranslationHidden(bool on);
    bool translationHidden() const { return m_translationHidden; }

    // The marks "Forget" would take away now, and the topic's name ("every topic" for Entire,
    // the deck's while one plays).
    int knownInChosenTopic() const;
    QString chosenTopicName() const;
    int seenCount(int topic) const;
    int knownCount(int topic) const;
    const SentenceSet& known() const { return m_known; }
    const SentenceSet& seen() const { return m_seen; }

    // While it plays a deck, the marks and counts of the chosen topic are the deck's.
    void setDecks(DeckPlayOrder* decks) { m_decks = decks; }

    // For the play cycle.
    FrenchHold& frenchHold() { return m_listen; }

    // SelectionFilter.
    bool known(int frenchId) const override { return m_known.contains(frenchId); }
    void everySentenceKnown() override;

    // The sentence now on the bar, whichever way it came (next, previous, a replayed draw).
    void selected(int frenchId);
    // Its first line has come to rest on the bar: it counts as seen.
    void currentShown();

signals:
    // Counts or modes changed: a progress view refreshes.
    void changed();
    // The sentence on the bar was marked known: the next one is due now.
    void moveOnRequested();
    // Something the learner should be told, in a line.
    void notice(const QString& text);

private:
    // The saves of marks, switches and seen sentences: a failure is told once, until a save
    // goes through again (Exit tells its own).
    void saveAndTell();

    SettingsStore& m_store;
    const SettingsRecord& m_settings;
    Clock m_clock;
    ListenFirst m_listen;
    SentenceSet m_known;
    SentenceSet m_seen;
    int m_current = 0;
    bool m_translationHidden = false;
    bool m_seenUnsaved = false;
    qint64 m_lastSave = -kSeenSaveIntervalMs;
    QString m_toldFailure;
    DeckPlayOrder* m_decks = nullptr;
    int m_noticedTopic = kNoTopic; // the choice the all-known notice was given for
    static constexpr int kNoTopic = -1;
};
