#include "core/learning/played_minutes.h"

#include "core/logging.h"
#include "core/ports/record_files.h"
#include "core/unreadable_record.h"

#include <QRegularExpression>
#include <cmath>
#include <optional>

namespace {

constexpr qint64 kMinuteMs = 60 * 1000;

qint64 roundedMinutes(qint64 ms) {
    return (ms + kMinuteMs / 2) / kMinuteMs;
}

// The days of the file, or nothing when a line is not a day's minutes.
std::optional<QMap<QDate, qint64>> parse(const QByteArray& bytes, int* badLine) {
    static const QRegularExpression line(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2}),(\\d+(\\.\\d+)?)$"));
    QMap<QDate, qint64> days;
    const QList<QByteArray> lines = bytes.split('\n');
    for (int index = 0; index < lines.size(); ++index) {
        const QString text = QString::fromUtf8(lines[index]).trimmed();
        if (text.isEmpty())
            continue;
        const QRegularExpressionMatch match = line.match(text);
        const QDate day = QDate::fromString(match.captured(1), Qt::ISODate);
        if (!match.hasMatch() || !day.isValid()) {
            *badLine = index + 1;
            return std::nullopt;
        }
        days[day] += std::llround(match.captured(2).toDouble() * kMinuteMs);
    }
    return days;
}

} // namespace

PlayedMinutes::PlayedMinutes(RecordFiles& records, Clock clock, QObject* parent)
    : QObject(parent), m_records(records), m_clock(std::move(clock)) {}

void PlayedMinutes::load() {
    const std::optional<QByteArray> bytes = m_records.read(QLatin1String(kFileName));
    if (!bytes)
        return;
    int badLine = 0;
    std::optional<QMap<QDate, qint64>> days = parse(*bytes, &badLine);
    if (days) {
        m_playedMs = std::move(*days);
        emit changed();
        return;
    }
    qCWarning(lcLearning).noquote() << setAsideUnreadable(
        m_records, QLatin1String(kFileName), QStringLiteral("the minutes played in"),
        QStringLiteral("line %1 is not a date and its minutes").arg(badLine),
        QStringLiteral("the count starts afresh"));
}

void PlayedMinutes::onCycleTick(bool playing) {
    const QDateTime now = m_clock();
    const QDateTime last = m_lastPlayingTick;
    m_lastPlayingTick = playing ? now : QDateTime();
    if (!playing || !last.isValid())
        return;
    const qint64 gap = last.msecsTo(now);
    if (gap <= 0 || gap > kLongestTickGapMs)
        return;
    // Ticks come a tenth of a second apart: the later one's day gets the time between them.
    add(now.date(), gap);
    if (m_unsavedMs >= kSaveEveryPlayedMs)
        save();
}

void PlayedMinutes::add(const QDate& day, qint64 ms) {
    if (ms <= 0)
        return;
    qint64& played = m_playedMs[day];
    const qint64 minutesBefore = roundedMinutes(played);
    played += ms;
    m_unsavedMs += ms;
    m_unsaved = true;
    if (roundedMinutes(played) != minutesBefore)
        emit changed();
}

void PlayedMinutes::save() {
    if (!m_unsaved)
        return;
    const QDate oldestKept = today().addDays(-kDaysKept);
    while (!m_playedMs.isEmpty() && m_playedMs.firstKey() < oldestKept)
        m_playedMs.erase(m_playedMs.begin());
    QByteArray bytes;
    for (auto day = m_playedMs.cbegin(); day != m_playedMs.cend(); ++day)
        bytes += day.key().toString(Qt::ISODate).toLatin1() + ',' +
                 QByteArray::number(double(day.value()) / kMinuteMs, 'f', 1) + '\n';
    const QString failure = m_records.write(QLatin1String(kFileName), bytes);
    m_unsavedMs = 0;
    // A failed write is tried again after the next minute played; the diagnostics keep repeats
    // to a count.
    if (!failure.isEmpty())
        qCWarning(lcLearning).noquote() << "the minutes played are not saved: " + failure;
    else
        m_unsaved = false;
}

QMap<QDate, int> PlayedMinutes::minutesPerDay() const {
    QMap<QDate, int> minutes;
    for (auto day = m_playedMs.cbegin(); day != m_playedMs.cend(); ++day)
        if (const qint64 whole = roundedMinutes(day.value()); whole > 0)
            minutes.insert(day.key(), int(whole));
    return minutes;
}
