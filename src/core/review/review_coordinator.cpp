#include "core/review/review_coordinator.h"

#include "core/decks/deck_library.h"
#include "core/learning/deck_play_order.h"
#include "core/lessons/dialogue_table.h"
#include "core/lessons/sentence_id.h"
#include "core/review/review_settings.h"

#include <cmath>

ReviewCoordinator::ReviewCoordinator(ReviewSchedule& schedule, SettingsStore& store,
                                     const DeckPlayOrder& decks, const DialogueTable& table,
                                     Clock clock, QObject* parent)
    : QObject(parent), m_schedule(schedule), m_store(store), m_decks(decks), m_table(table),
      m_clock(std::move(clock)), m_grader(schedule) {}

void ReviewCoordinator::load() {
    m_enabled = readReviewEnabled(m_store);
    m_schedule.setWeights(readReviewWeights(m_store));
    m_schedule.load();
    emit changed();
}

void ReviewCoordinator::setEnabled(bool on) {
    if (on == m_enabled)
        return;
    m_enabled = on;
    writeReviewEnabled(m_store, on);
    emit changed();
}

QString ReviewCoordinator::playingDeck() const {
    return m_decks.playing() ? m_decks.name() : QString();
}

int ReviewCoordinator::dueCount() const {
    return m_schedule.dueCount(m_clock(), playingDeck());
}

ReviewOutlook ReviewCoordinator::outlook(const QTimeZone& zone) const {
    return m_schedule.outlook(m_clock(), zone);
}

void ReviewCoordinator::showing(int frenchId) {
    std::optional<ReviewKey> key;
    if (SentenceId::isDeckSentence(frenchId)) {
        const QString sentence = m_decks.keyOf(frenchId);
        if (!sentence.isEmpty())
            key = ReviewKey::inDeck(m_decks.name(), sentence);
    } else if (SentenceId::inTable(frenchId)) {
        key = ReviewKey::ofTable(frenchId);
    }
    m_grader.showing(key, m_clock());
}

void ReviewCoordinator::judged(LearnerCommand command) {
    const qint64 now = m_clock();
    switch (command) {
    case LearnerCommand::Hard: {
        graded(m_grader.markedHard(now));
        // Already graded in this showing (a replay came first), it still says when it is back.
        if (const ReviewCard* card =
                m_grader.current() ? m_schedule.card(*m_grader.current()) : nullptr)
            emit told(backIn(card->dueMs - now));
        break;
    }
    case LearnerCommand::Replay:
    case LearnerCommand::ReplaySlowly:
        graded(m_grader.readAgain(now));
        break;
    case LearnerCommand::Known:
        graded(m_grader.markedKnown(now));
        emit changed(); // it may have left the schedule ungraded
        break;
    default:
        break;
    }
}

void ReviewCoordinator::playedThrough() {
    graded(m_grader.playedThrough(m_clock()));
}

void ReviewCoordinator::graded(const std::optional<ReviewCard>& card) {
    if (card)
        emit changed();
}

std::optional<DueSentence> ReviewCoordinator::takeDue() {
    if (!m_enabled)
        return std::nullopt;
    for (const ReviewKey& key : m_schedule.due(m_clock(), playingDeck())) {
        const qint64 dueMs = m_schedule.card(key)->dueMs;
        if (m_offered.value(key, -1) == dueMs)
            continue;
        if (const auto sentence = sentenceFor(key)) {
            m_offered.insert(key, dueMs);
            return sentence;
        }
    }
    return std::nullopt;
}

// A card whose sentence is gone (a deck updated without it, a sentence marked known there) is
// passed by; it stays in the schedule for a deck that brings it back.
std::optional<DueSentence> ReviewCoordinator::sentenceFor(const ReviewKey& key) const {
    if (key.inTable()) {
        const int id = key.tableId();
        const auto french = m_table.lookup(id);
        const auto english = m_table.lookup(SentenceId::englishFor(id));
        if (!french || !english)
            return std::nullopt;
        return DueSentence{id, *french, *english};
    }
    const LoadedDeck* deck = m_decks.deck();
    const int index = deck ? deck->indexOf(key.sentence) : -1;
    if (index < 0 || deck->progress.known.contains(key.sentence))
        return std::nullopt;
    const DeckSentence& sentence = deck->sentences[size_t(index)];
    return DueSentence{SentenceId::deckSentence(index), sentence.sentence, sentence.translation};
}

QString ReviewCoordinator::backIn(qint64 waitMs) {
    const qint64 minutes = std::max<qint64>(1, std::llround(double(waitMs) / 60000));
    if (minutes < 60)
        return minutes == 1 ? tr("Back in 1 minute") : tr("Back in %1 minutes").arg(minutes);
    const qint64 hours = std::llround(double(minutes) / 60);
    if (hours < 24)
        return hours == 1 ? tr("Back in 1 hour") : tr("Back in %1 hours").arg(hours);
    const qint64 days = std::llround(double(hours) / 24);
    return days == 1 ? tr("Back in 1 day") : tr("Back in %1 days").arg(days);
}
