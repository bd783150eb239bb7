// Review in the running program: the grades the learner's commands and the play cycle give the
// sentence on the bar, what is due offered to the play order before its next sentence while
// review is on, the count the Learn menu shows, and the outlook the Progress window draws.
#pragma once

#include "core/learning/due_sentences.h"
#include "core/learning/learner_command_table.h"
#include "core/review/review_grader.h"
#include "core/review/review_schedule.h"

#include <QObject>
#include <functional>

class DeckPlayOrder;
class DialogueTable;
class SettingsStore;

class ReviewCoordinator : public QObject, public DueSentences {
    Q_OBJECT
public:
    using Clock = std::function<qint64()>; // milliseconds since the epoch, UTC
    // decks: which deck plays, if one does; the table gives the built-in sentences' texts.
    ReviewCoordinator(ReviewSchedule& schedule, SettingsStore& store, const DeckPlayOrder& decks,
                      const DialogueTable& table, Clock clock, QObject* parent = nullptr);

    // Reads [Review] and the schedule.
    void load();
    bool enabled() const { return m_enabled; }
    // Stored at once.
    void setEnabled(bool on);

    // Due now, of what plays (the deck playing, else the table).
    int dueCount() const;
    ReviewOutlook outlook(const QTimeZone& zone = QTimeZone::systemTimeZone()) const;
    const ReviewSchedule& schedule() const { return m_schedule; }

    // The sentence now on the bar (its French id).
    void showing(int frenchId);
    // A command about it (sentenceJudged).
    void judged(LearnerCommand command);
    // It played all its repeats.
    void playedThrough();

    // DueSentences: while review is on.
    std::optional<DueSentence> takeDue() override;

    // How long until a sentence graded now comes back, as the bar says it: "Back in 1 minute".
    static QString backIn(qint64 waitMs);

signals:
    // A grade was given, or review turned on or off: the count may be another.
    void changed();
    // One short line for the bar.
    void told(const QString& text);

private:
    QString playingDeck() const;
    std::optional<DueSentence> sentenceFor(const ReviewKey& key) const;
    void graded(const std::optional<ReviewCard>& card);

    ReviewSchedule& m_schedule;
    SettingsStore& m_store;
    const DeckPlayOrder& m_decks;
    const DialogueTable& m_table;
    Clock m_clock;
    ReviewGrader m_grader;
    bool m_enabled = false;
    // The due time at which each sentence was last offered: offered once, skipped with Next,
    // it waits for its next grade rather than coming straight back.
    QHash<ReviewKey, qint64> m_offered;
};
