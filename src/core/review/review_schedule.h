// The sentences in review, each with its card, kept in the learner's records: the schedule is
// written whole after every change, and every grade is added to a log the public optimizers read
// to fit the learner's own weights.
#pragma once

#include "core/review/review_card.h"
#include "core/review/review_outlook.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QTimeZone>

class RecordFiles;

// Which sentence a card is for. A sentence of the built-in table is its French id, topics 22 to
// 29 taken as the topics 1 to 8 they replay, so one sentence is one card; a sentence of a deck
// is the deck's name and the sentence's key.
struct ReviewKey {
    QString deck;     // empty for the built-in table
    QString sentence; // the French id as text, or the deck sentence's key

    static ReviewKey ofTable(int frenchId);
    static ReviewKey inDeck(const QString& deck, const QString& key) { return {deck, key}; }
    bool inTable() const { return deck.isEmpty(); }
    int tableId() const { return inTable() ? sentence.toInt() : 0; }
    // The card's number in the log, which the optimizers read as a 64-bit integer: a table
    // sentence's French id, else 2^47 plus the first 47 bits of the SHA-1 of the deck's name
    // and the key (UTF-8, joined by a unit separator, U+001F). That stays the same from run to
    // run and machine to machine, fits in 48 bits and never meets a table id.
    qint64 cardId() const;

    bool operator==(const ReviewKey& other) const {
        return deck == other.deck && sentence == other.sentence;
    }
};
size_t qHash(const ReviewKey& key, size_t seed = 0);

class ReviewSchedule {
public:
    explicit ReviewSchedule(RecordFiles& files, FsrsWeights weights = FsrsWeights::defaults());

    static inline const QString kFileName = QStringLiteral("review.json");
    static inline const QString kLogFileName = QStringLiteral("review-log.csv");
    static inline const QByteArray kLogHeader =
        "card_id,review_time,review_rating,review_state,review_duration\n";

    // Reads the schedule. A file that cannot be used is said once on standard error and set
    // aside, and the schedule starts empty.
    void load();
    void setWeights(const FsrsWeights& weights) { m_scheduler = ReviewScheduler(weights); }
    const ReviewScheduler& scheduler() const { return m_scheduler; }

    bool contains(const ReviewKey& key) const { return m_cards.contains(key); }
    const ReviewCard* card(const ReviewKey& key) const;
    int size() const { return int(m_cards.size()); }

    // The grade given at nowMs, the sentence entering the schedule if it was not in it; written
    // and logged with the time the sentence was on the bar (0 when unknown). Gives the card after.
    ReviewCard grade(const ReviewKey& key, Grade grade, qint64 nowMs, qint64 durationMs = 0);
    // The sentence leaves the schedule (it is known now).
    void remove(const ReviewKey& key);

    // The sentences of one source (a deck's name; empty: the table) due by nowMs, the least
    // likely to be recalled first, then the longest due.
    QList<ReviewKey> due(qint64 nowMs, const QString& deck) const;
    int dueCount(qint64 nowMs, const QString& deck) const;
    // The coming days' reviews, and the counts per topic and deck, on the zone's calendar.
    ReviewOutlook outlook(qint64 nowMs, const QTimeZone& zone) const;

private:
    void save();
    void tellFailure(const QString& failure);

    RecordFiles& m_files;
    ReviewScheduler m_scheduler;
    QHash<ReviewKey, ReviewCard> m_cards;
    QString m_toldFailure;
    bool m_logStarted = false; // the log has its header line
};
