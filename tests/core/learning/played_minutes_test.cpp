// The minutes the bar played, on a fake clock ticking as the play cycle does: what counts,
// the day it counts for, and the file they are kept in.
#include "core/learning/played_minutes.h"
#include "fakes/fake_record_files.h"

#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

class Played : public ::testing::Test {
protected:
    void run(int seconds, bool playing = true) { // a tick every 100 ms
        for (int tick = 0; tick < seconds * 10; ++tick, now = now.addMSecs(100))
            played.onCycleTick(playing);
    }
    int minutesOn(int day) const { return played.minutesPerDay().value(QDate(2026, 3, day)); }

    FakeRecordFiles records;
    QByteArray& file = records.files["played.csv"];
    QDateTime now{QDate(2026, 3, 10), QTime(23, 55), QTimeZone("Europe/Paris")};
    PlayedMinutes played{records, [this] { return now; }};
};

TEST_F(Played, onlyPlayingTicksCloseTogetherCount) {
    run(10 * 60);             // through midnight
    run(10 * 60, false);      // paused: the ticks go on, nothing plays
    now = now.addSecs(-3600); // the clock put back
    run(60);
    now = now.addSecs(7200); // snoozed, away, a dialog open, asleep: no ticks at all
    run(60);
    EXPECT_EQ(minutesOn(10), 6);
    EXPECT_EQ(minutesOn(11), 6);
}

TEST_F(Played, theFileIsWrittenAfterEachMinutePlayedAndAtExit) {
    file = "2024-12-01,20.0\n2026-03-09,12.0\n2026-03-10,2.5\n";
    played.load();
    EXPECT_EQ(minutesOn(10), 3);
    run(59);
    EXPECT_EQ(file, "2024-12-01,20.0\n2026-03-09,12.0\n2026-03-10,2.5\n") << "not yet a minute";
    run(2);
    EXPECT_EQ(file, "2026-03-09,12.0\n2026-03-10,3.5\n") << "and no days older than 400";
    run(30);
    played.save();
    EXPECT_EQ(file, "2026-03-09,12.0\n2026-03-10,4.0\n");
}

QStringList g_told;

TEST_F(Played, aDamagedFileIsSetAsideSaidOnceAndTheCountStartsAfresh) {
    file = "2026-03-09,12.0\n2026-03-10;twelve\n";
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
