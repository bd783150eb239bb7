#include "core/review/review_schedule.h"

#include "core/lessons/sentence_id.h"
#include "core/logging.h"
#include "core/ports/record_files.h"
#include "core/unreadable_record.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <optional>
#include <tuple>

namespace {

const char* const kStateNames[] = {"new", "learning", "review", "relearning"};

std::optional<CardState> stateNamed(const QString& name) {
    for (int i = 0; i < 4; ++i)
        if (name == QLatin1String(kStateNames[i]))
            return CardState(i);
    return std::nullopt;
}

QJsonObject cardObject(const ReviewKey& key, const ReviewCard& card) {
    QJsonObject object;
    if (key.inTable()) {
        object[QStringLiteral("sentence")] = key.tableId();
    } else {
        object[QStringLiteral("deck")] = key.deck;
        object[QStringLiteral("key")] = key.sentence;
    }
    object[QStringLiteral("state")] = QLatin1String(kStateNames[int(card.state)]);
    object[QStringLiteral("step")] = card.step;
    object[QStringLiteral("stability")] = card.memory.stability;
    object[QStringLiteral("difficulty")] = card.memory.difficulty;
    object[QStringLiteral("last_review")] = double(card.lastReviewMs);
    object[QStringLiteral("due")] = double(card.dueMs);
    object[QStringLiteral("lapses")] = card.lapses;
    return object;
}

// A card as written, or why it cannot be read.
std::optional<std::pair<ReviewKey, ReviewCard>> cardFrom(const QJsonObject& object,
                                                         QString* whyNot) {
    ReviewKey key;
    if (object.contains(QStringLiteral("sentence"))) {
        const int id = object.value(QStringLiteral("sentence")).toInt();
        if (!SentenceId::inTable(id)) {
            *whyNot = QStringLiteral("a card names no sentence of the table");
            return std::nullopt;
        }
        key = ReviewKey::ofTable(id);
    } else {
        key = ReviewKey::inDeck(object.value(QStringLiteral("deck")).toString(),
                                object.value(QStringLiteral("key")).toString());
        if (key.deck.isEmpty() || key.sentence.isEmpty()) {
            *whyNot = QStringLiteral("a card names neither a table sentence nor a deck's");
            return std::nullopt;
        }
    }
    const auto state = stateNamed(object.value(QStringLiteral("state")).toString());
    const QStringList numbers = {"step", "stability", "difficulty", "last_review", "due", "lapses"};
    for (const QString& name : numbers)
        if (!object.value(name).isDouble()) {
            *whyNot = QStringLiteral("a card has no number for \"%1\"").arg(name);
            return std::nullopt;
        }
    if (!state) {
        *whyNot = QStringLiteral("a card's state is not one of new, learning, review, relearning");
        return std::nullopt;
    }
    ReviewCard card;
    card.state = *state;
    card.step = object.value(QStringLiteral("step")).toInt();
    card.memory.stability = object.value(QStringLiteral("stability")).toDouble();
    card.memory.difficulty = object.value(QStringLiteral("difficulty")).toDouble();
    card.lastReviewMs = qint64(object.value(QStringLiteral("last_review")).toDouble());
    card.dueMs = qint64(object.value(QStringLiteral("due")).toDouble());
    card.lapses = object.value(QStringLiteral("lapses")).toInt();
    return std::make_pair(key, card);
}

} // namespace

ReviewKey ReviewKey::ofTable(int frenchId) {
    const int topic = SentenceId::topicOf(frenchId);
    const int stored =
        SentenceId::french(SentenceId::storedTopic(topic), SentenceId::sentenceOf(frenchId));
    return {QString(), QString::number(stored)};
}

qint64 ReviewKey::cardId() const {
    if (inTable())
        return tableId();
    const QByteArray hash = QCryptographicHash::hash(deck.toUtf8() + '\x1f' + sentence.toUtf8(),
                                                     QCryptographicHash::Sha1);
    qint64 bits = 0;
    for (int i = 0; i < 6; ++i)
        bits = (bits << 8) | quint8(hash[i]);
    constexpr qint64 kHigh = qint64(1) << 47;
    return kHigh | (bits >> 1);
}

size_t qHash(const ReviewKey& key, size_t seed) {
    return qHashMulti(seed, key.deck, key.sentence);
}

ReviewSchedule::ReviewSchedule(RecordFiles& files, FsrsWeights weights)
    : m_files(files), m_scheduler(weights) {}

void ReviewSchedule::load() {
    m_cards.clear();
    const std::optional<QByteArray> bytes = m_files.read(kFileName);
    if (!bytes)
        return;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(*bytes, &error);
    QString whyNot;
    if (error.error != QJsonParseError::NoError)
        whyNot = error.errorString() + QStringLiteral(" at byte %1").arg(error.offset);
    else if (!document.object().value(QStringLiteral("cards")).isArray())
        whyNot = QStringLiteral("it holds no list of cards");
    QHash<ReviewKey, ReviewCard> cards;
    if (whyNot.isEmpty()) {
        for (const QJsonValue& value : document.object().value(QStringLiteral("cards")).toArray()) {
            const auto card = cardFrom(value.toObject(), &whyNot);
            if (!card)
                break;
            cards.insert(card->first, card->second);
        }
    }
    if (whyNot.isEmpty()) {
        m_cards = cards;
        return;
    }
    qCWarning(lcReview).noquote() << setAsideUnreadable(
        m_files, kFileName, QStringLiteral("the review schedule"), whyNot,
        QStringLiteral("review starts again empty"));
}

const ReviewCard* ReviewSchedule::card(const ReviewKey& key) const {
    const auto it = m_cards.constFind(key);
    return it == m_cards.constEnd() ? nullptr : &*it;
}

ReviewCard ReviewSchedule::grade(const ReviewKey& key, Grade grade, qint64 nowMs,
                                 qint64 durationMs) {
    const ReviewCard before = m_cards.value(key);
    const ReviewCard after = m_scheduler.review(before, grade, nowMs);
    m_cards.insert(key, after);
    save();
    // The state is the one the card was in when graded, numbered as the optimizers number it.
    QByteArray line = QByteArray::number(key.cardId()) + ',' + QByteArray::number(nowMs) + ',' +
                      QByteArray::number(int(grade)) + ',' + QByteArray::number(int(before.state)) +
                      ',' + QByteArray::number(std::max<qint64>(0, durationMs)) + '\n';
    if (!m_logStarted)
        m_logStarted = m_files.read(kLogFileName).has_value();
    if (!m_logStarted)
        line.prepend(kLogHeader);
    const QString failure = m_files.append(kLogFileName, line);
    m_logStarted = failure.isEmpty() || m_logStarted;
    tellFailure(failure);
    return after;
}

void ReviewSchedule::remove(const ReviewKey& key) {
    if (m_cards.remove(key))
        save();
}

QList<ReviewKey> ReviewSchedule::due(qint64 nowMs, const QString& deck) const {
    struct Due {
        ReviewKey key;
        double recall;
        qint64 dueMs;
    };
    std::vector<Due> found;
    for (auto it = m_cards.constBegin(); it != m_cards.constEnd(); ++it)
        if (it.key().deck == deck && it->dueMs <= nowMs)
            found.push_back({it.key(), m_scheduler.retrievability(*it, nowMs), it->dueMs});
    std::sort(found.begin(), found.end(), [](const Due& a, const Due& b) {
        if (a.recall != b.recall)
            return a.recall < b.recall;
        if (a.dueMs != b.dueMs)
            return a.dueMs < b.dueMs;
        return a.key.sentence < b.key.sentence; // the same order every time
    });
    QList<ReviewKey> keys;
    for (const Due& due : found)
        keys << due.key;
    return keys;
}

int ReviewSchedule::dueCount(qint64 nowMs, const QString& deck) const {
    int count = 0;
    for (auto it = m_cards.constBegin(); it != m_cards.constEnd(); ++it)
        count += it.key().deck == deck && it->dueMs <= nowMs;
    return count;
}

ReviewOutlook ReviewSchedule::outlook(qint64 nowMs, const QTimeZone& zone) const {
    ReviewOutlook outlook;
    const QDate today = QDateTime::fromMSecsSinceEpoch(nowMs, zone).date();
    for (auto it = m_cards.constBegin(); it != m_cards.constEnd(); ++it) {
        const qint64 day = std::max<qint64>(
            0, today.daysTo(QDateTime::fromMSecsSinceEpoch(it->dueMs, zone).date()));
        if (day < ReviewOutlook::kForecastDays)
            ++outlook.duePerDay[size_t(day)];
        ReviewCounts& counts = it.key().inTable()
                                   ? outlook.perTopic[SentenceId::topicOf(it.key().tableId())]
                                   : outlook.perDeck[it.key().deck];
        ++counts.inReview;
        counts.dueToday += day == 0;
    }
    return outlook;
}

void ReviewSchedule::save() {
    // In one order, so that two files of the same schedule read alike.
    QList<ReviewKey> keys = m_cards.keys();
    std::sort(keys.begin(), keys.end(), [](const ReviewKey& a, const ReviewKey& b) {
        return std::tie(a.deck, a.sentence) < std::tie(b.deck, b.sentence);
    });
    QJsonArray cards;
    for (const ReviewKey& key : keys)
        cards.append(cardObject(key, m_cards[key]));
    QJsonObject document;
    document[QStringLiteral("cards")] = cards;
    tellFailure(m_files.write(kFileName, QJsonDocument(document).toJson(QJsonDocument::Indented)));
}

// A failing disk is said once, until a write goes through again.
void ReviewSchedule::tellFailure(const QString& failure) {
    if (!failure.isEmpty() && failure != m_toldFailure)
        qCWarning(lcReview).noquote() << failure;
    m_toldFailure = failure;
}
