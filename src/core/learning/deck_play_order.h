// The walk through the learner's deck now playing, in the learner's order (sequence or random),
// passing by the sentences marked known, and the marks the bar gives its sentences. The table's
// play order asks it for the next sentence while a deck plays.
#pragma once

#include "core/learning/play_history.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class DeckLibrary;
class RandomSource;
struct LoadedDeck;
struct SettingsRecord;

class DeckPlayOrder : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<qint64()>; // milliseconds, for pacing the saves of seen marks
    DeckPlayOrder(DeckLibrary& library, const SettingsRecord& settings, RandomSource& random,
                  Clock clock, QObject* parent = nullptr);

    // Newly seen sentences and the walk's place are written at most this often.
    static constexpr qint64 kSaveIntervalMs = 30000;

    // The deck to play, by name; empty, unknown or damaged: none, and the table plays.
    void choose(const QString& name);
    bool playing() const { return deck() != nullptr; }
    // The chosen deck's name, as the learner wrote it; empty when none plays.
    QString name() const;
    // The name chosen, whether or not such a deck can play.
    const QString& chosen() const { return m_name; }
    QString language() const;
    const LoadedDeck* deck() const;

    struct Sentence {
        int id = 0; // a deck sentence id (sentence_id.h)
        QString text;
        QString translation;
        bool inSequence = false;
    };
    // The next sentence; nothing when no deck plays or it has no sentences.
    std::optional<Sentence> next();
    // One step back; nothing when there is none to go back to.
    std::optional<Sentence> previous();

    // The key of a sentence of the deck playing, by its id; empty for any other id.
    QString keyOf(int id) const;
    // The marks of a sentence shown by this order (its id).
    void markKnown(int id);
    void shown(int id);
    // Forgets the deck's known marks.
    void forget();
    int knownCount() const;
    // Writes the walk's place and the seen marks now (at exit, say).
    void save();

signals:
    // Something the learner should be told, in a line.
    void notice(const QString& text);

private:
    std::optional<Sentence> sentenceAt(int index, bool inSequence);
    int firstUnknownFrom(int index, int step) const;
    void maybeSave();

    DeckLibrary& m_library;
    const SettingsRecord& m_settings;
    RandomSource& m_random;
    Clock m_clock;
    QString m_name;
    int m_current = -1; // index of the sentence last given, in the walk's terms
    PlayHistory m_history;
    bool m_unsaved = false;
    qint64 m_lastSave = -kSaveIntervalMs;
    bool m_toldAllKnown = false;
};
