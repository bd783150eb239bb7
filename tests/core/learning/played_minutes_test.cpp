// The minutes the bar played, on a fake clock ticking as the play cycle does: what counts,
// the day it counts for, and the file they are kept in.
#include "core/learning/played_minutes.h"
#include "fakes/fake_record_files.h"

#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

const QTimeZone kParis("Europe/Paris");

QStringList g_told;

class Played : public ::testing::Test {
protected:
    // Ticks every 100 ms for the seconds given, playing or not.
    void run(int seconds, bool playing = true) {
        for (int tick = 0; tick < seconds * 10; ++tick) {
            now = now.addMSecs(100);
            played.onCycleTick(playing);
        }
    }
    QByteArray file() const { return records.files.value("played.csv"); }

    FakeRecordFiles records;
    QDateTime now{QDate(2026, 3, 10), QTime(15, 0), kParis};
    PlayedMinutes played{records, [this] { return now; }};
};

TEST_F(Played, onlyTicksThatFollowAPlayingTickCount) {
    run(5 * 60);
    run(10 * 60, false);     // paused: the ticks go on, nothing plays
    now = now.addSecs(3600); // snoozed, away, a dialog open: no ticks at all
    run(5 * 60);
    EXPECT_EQ(played.minutesPerDay().value(QDate(2026, 3, 10)), 10);
}

TEST_F(Played, aClockPutBackOrForwardAddsNothing) {
    run(60);
    now = now.addSecs(-3600);
    run(60);
    now = now.addSecs(7200);
    run(60);
    EXPECT_EQ(played.minutesPerDay().value(QDate(2026, 3, 10)), 3);
}

TEST_F(Played, theMinutesBeforeMidnightAreTheDayBefores) {
    now = QDateTime(QDate(2026, 3, 10), QTime(23, 57), kParis);
    run(6 * 60);
    const QMap<QDate, int> days = played.minutesPerDay();
    EXPECT_EQ(days.value(QDate(2026, 3, 10)), 3);
    EXPECT_EQ(days.value(QDate(2026, 3, 11)), 3);
}

TEST_F(Played, theFileIsWrittenAfterEachMinutePlayed) {
    run(59);
    EXPECT_EQ(file(), QByteArray()) << "not yet a minute";
    run(2);
    EXPECT_EQ(file(), "2026-03-10,1.0\n");
}

TEST_F(Played, aRestartGoesOnFromTheDaysInTheFile) {
    records.files["played.csv"] = "2026-03-09,12.0\n2026-03-10,2.5\n";
    played.load();
    EXPECT_EQ(played.minutesPerDay(),
              (QMap<QDate, int>{{QDate(2026, 3, 9), 12}, {QDate(2026, 3, 10), 3}}));
    run(30);
    played.save(); // at exit
    EXPECT_EQ(file(), "2026-03-09,12.0\n2026-03-10,3.0\n");
}

TEST_F(Played, daysOlderThanTheCalendarNeedsAreDropped) {
    records.files["played.csv"] = "2024-12-01,20.0\n2026-03-01,20.0\n";
    played.load();
    run(70);
    EXPECT_EQ(file(), "2026-03-01,20.0\n2026-03-10,1.0\n");
}

TEST_F(Played, aDamagedFileIsSetAsideSaidOnceAndTheCountStartsAfresh) {
    records.files["played.csv"] = "2026-03-09,12.0\n2026-03-10;twelve\n";
    g_told.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& line) { g_told << line; });
    played.load();
    qInstallMessageHandler(previous);
    ASSERT_EQ(g_told.size(), 1);
    EXPECT_TRUE(g_told[0].contains("played.csv.damaged")) << g_told[0].toStdString();
    EXPECT_EQ(records.files.value("played.csv.damaged"), "2026-03-09,12.0\n2026-03-10;twelve\n");
    EXPECT_TRUE(played.minutesPerDay().isEmpty());
}

} // namespace
