// How long the bar played sentences, per local calendar day, for the Progress window's
// calendar. Kept in the learner's records as "played.csv", one "date,minutes" line a day
// (an ISO date, minutes to a tenth), replaced whole after each minute played and at exit.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QMap>
#include <QObject>
#include <functional>

class RecordFiles;

class PlayedMinutes : public QObject {
    Q_OBJECT
public:
    // The local time now; its date is the day the minutes count for.
    using Clock = std::function<QDateTime()>;

    explicit PlayedMinutes(RecordFiles& records, Clock clock = &QDateTime::currentDateTime,
                           QObject* parent = nullptr);

    static constexpr const char* kFileName = "played.csv";
    // Enough for a calendar of a few months, with room to spare.
    static constexpr int kDaysKept = 400;

    // Reads the file; a damaged one is set aside, said once, and the count starts afresh.
    void load();

    // The play cycle's tick: playing, whether sentences are playing now. Only the time from one
    // playing tick to the next counts, when it is short: a pause, the bar away, a machine
    // asleep or a clock put forward or back between them adds nothing.
    void onCycleTick(bool playing);
    static constexpr qint64 kLongestTickGapMs = 2000;

    // Writes the file if anything was played since it was last written.
    void save();
    static constexpr qint64 kSaveEveryPlayedMs = 60 * 1000;

    // Whole minutes a day, rounded; days without any are left out.
    QMap<QDate, int> minutesPerDay() const;
    QDate today() const { return m_clock().date(); }

signals:
    // A day's whole minutes changed.
    void changed();

private:
    void add(const QDate& day, qint64 ms);

    RecordFiles& m_records;
    Clock m_clock;
    QMap<QDate, qint64> m_playedMs;
    QDateTime m_lastPlayingTick; // invalid after a tick that was not playing
    qint64 m_unsavedMs = 0;
    bool m_unsaved = false;
};
