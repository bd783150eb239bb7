#include "core/playback/snooze.h"

#include "core/settings/bar_settings.h"

#include <QTimeZone>
#include <algorithm>

Snooze::Snooze(SettingsStore& store, Clock clock, QObject* parent)
    : QObject(parent), m_store(store), m_clock(std::move(clock)) {
    connect(&m_endTimer, &Timer::tick, this, &Snooze::onEndTimerTick);
}

void Snooze::load() {
    bool number = false;
    const qint64 seconds =
        readBarText(m_store, BarKeys::kSnoozedUntil).trimmed().toLongLong(&number);
    if (!number || seconds <= 0)
        return;
    const QDateTime now = m_clock();
    const QDateTime until = QDateTime::fromSecsSinceEpoch(seconds, now.timeZone());
    if (until > now)
        snoozeUntil(until);
    else
        writeBarText(m_store, BarKeys::kSnoozedUntil, QStringLiteral("0"));
}

void Snooze::snoozeFor(int minutes) {
    if (minutes > 0)
        snoozeUntil(m_clock().addSecs(qint64(minutes) * 60));
}

int Snooze::minutesIn(const QString& text) {
    bool number = false;
    const int minutes = text.trimmed().toInt(&number);
    return number && minutes >= 1 && minutes <= kLongestMinutes ? minutes : 0;
}

void Snooze::snoozeUntilTomorrow() {
    snoozeUntil(nextMorning(m_clock()));
}

QDateTime Snooze::nextMorning(const QDateTime& now) {
    const QTimeZone zone = now.timeZone();
    // Built from the date and the wall-clock hour, never by adding hours: the day a clock
    // changes is 23 or 25 hours long.
    QDateTime morning(now.date(), QTime(kMorningHour, 0), zone);
    if (morning <= now)
        morning = QDateTime(now.date().addDays(1), QTime(kMorningHour, 0), zone);
    return morning;
}

void Snooze::snoozeUntil(const QDateTime& until) {
    m_until = until;
    writeBarText(m_store, BarKeys::kSnoozedUntil, QString::number(until.toSecsSinceEpoch()));
    armTimer();
    emit changed(true); // a later time for a snooze already on, too
}

void Snooze::wake() {
    if (!snoozed())
        return;
    writeBarText(m_store, BarKeys::kSnoozedUntil, QStringLiteral("0"));
    m_until = QDateTime();
    m_endTimer.setEnabled(false);
    emit changed(false);
}

void Snooze::onEndTimerTick() {
    if (!snoozed())
        return;
    if (m_clock() >= m_until)
        wake();
    else
        armTimer();
}

void Snooze::armTimer() {
    const qint64 left = m_clock().msecsTo(m_until);
    m_endTimer.setEnabled(false);
    m_endTimer.setInterval(int(std::clamp<qint64>(left, 1, kLongestWaitMs)));
    m_endTimer.setEnabled(true);
}
