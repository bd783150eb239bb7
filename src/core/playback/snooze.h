// The learner's snooze: the bar and Peedy go away until a time, then come back by themselves.
// The time is kept in [Bar] snoozed_until (seconds since the epoch, UTC), so a restart within
// it stays snoozed. The clock is the caller's: tests give one in a chosen time zone.
#pragma once

#include "core/playback/timer.h"

#include <QDateTime>
#include <QObject>
#include <functional>

class SettingsStore;

class Snooze : public QObject {
    Q_OBJECT
public:
    // The local time now; its time zone is the one "tomorrow" is counted in.
    using Clock = std::function<QDateTime()>;

    explicit Snooze(SettingsStore& store, Clock clock = &QDateTime::currentDateTime,
                    QObject* parent = nullptr);

    // A snooze stored by an earlier run goes on if its time has not come; one in the past is
    // cleared from the store.
    void load();

    void snoozeFor(int minutes);
    // The minutes a learner's text asks for, or 0 when it is not a whole number in range.
    static int minutesIn(const QString& text);
    static constexpr int kLongestMinutes = 24 * 60;
    // Until the next 04:00 local time: tonight's if it is not 04:00 yet, else tomorrow's.
    void snoozeUntilTomorrow();
    void wake();

    bool snoozed() const { return m_until.isValid(); }
    // When it ends, in the clock's time zone; invalid when not snoozed.
    QDateTime until() const { return m_until; }

    // The next 04:00 after now, in now's time zone, whatever the clocks do in between.
    static QDateTime nextMorning(const QDateTime& now);
    static constexpr int kMorningHour = 4;

    // Looks at the clock now and then rather than waiting the whole time at once: a machine
    // that slept through the end wakes the bar as soon as it is up again.
    Timer& endTimer() { return m_endTimer; }
    void onEndTimerTick();
    static constexpr int kLongestWaitMs = 60 * 1000;

signals:
    void changed(bool snoozed);

private:
    void snoozeUntil(const QDateTime& until);
    void armTimer();

    SettingsStore& m_store;
    Clock m_clock;
    QDateTime m_until;
    Timer m_endTimer{kLongestWaitMs, false};
};
