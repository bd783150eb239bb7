// The snooze's clock: how long each span lasts in local time (Paris, with its two clock
// changes a year), its end on the clock, and a restart within or after it.
#include "core/playback/snooze.h"
#include "fakes/fake_settings_store.h"

#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

const QTimeZone kParis("Europe/Paris");

QDateTime paris(int month, int day, int hour, int minute = 0) {
    return QDateTime(QDate(2026, month, day), QTime(hour, minute), kParis);
}

class SnoozeClock : public ::testing::Test {
protected:
    QString stored() const { return store.values.value("Vesk/Bar/snoozed_until"); }

    FakeSettingsStore store;
    QDateTime now = paris(6, 10, 15, 25);
    Snooze snooze{store, [this] { return now; }};
};

// The clock is looked at at least once a minute, so a machine that slept wakes the bar on time.
TEST_F(SnoozeClock, aSpanEndsOnTheClockAndTheStoreIsCleared) {
    int changes = 0;
    QObject::connect(&snooze, &Snooze::changed, [&] { ++changes; });
    snooze.snoozeFor(60);
    EXPECT_EQ(snooze.until(), paris(6, 10, 16, 25)) << "an hour";
    snooze.snoozeFor(15);
    EXPECT_EQ(snooze.until(), paris(6, 10, 15, 40));
    EXPECT_EQ(stored(), QString::number(paris(6, 10, 15, 40).toSecsSinceEpoch()));
    EXPECT_EQ(snooze.endTimer().interval(), Snooze::kLongestWaitMs) << "a look a minute";
    now = paris(6, 10, 15, 39).addSecs(30);
    snooze.onEndTimerTick();
    EXPECT_TRUE(snooze.snoozed());
    EXPECT_EQ(snooze.endTimer().interval(), 30 * 1000) << "then to the second";
    now = paris(6, 10, 15, 40);
    snooze.onEndTimerTick();
    EXPECT_FALSE(snooze.snoozed());
    EXPECT_EQ(stored(), "0");
    EXPECT_EQ(changes, 3);
}

TEST_F(SnoozeClock, untilTomorrowIsTheNextFourOClock) {
    EXPECT_EQ(Snooze::nextMorning(paris(6, 10, 22)), paris(6, 11, 4));
    EXPECT_EQ(Snooze::nextMorning(paris(6, 10, 3, 59)), paris(6, 10, 4)) << "before 04:00: today's";
    EXPECT_EQ(Snooze::nextMorning(paris(6, 10, 4)), paris(6, 11, 4));
}

// The last Sundays of March and October 2026: nights of 5 and 7 hours from 22:00.
TEST_F(SnoozeClock, untilTomorrowKeepsToFourOClockAcrossAClockChange) {
    now = paris(3, 28, 22);
    snooze.snoozeUntilTomorrow();
    EXPECT_EQ(now.secsTo(snooze.until()), 5 * 3600);
    EXPECT_EQ(snooze.until().time(), QTime(4, 0));
    EXPECT_EQ(paris(3, 29, 1, 30).secsTo(Snooze::nextMorning(paris(3, 29, 1, 30))), 90 * 60);
    EXPECT_EQ(paris(10, 24, 22).secsTo(Snooze::nextMorning(paris(10, 24, 22))), 7 * 3600);
}

TEST_F(SnoozeClock, aRestartWithinTheSnoozeStaysSnoozedAndOneAfterItClearsIt) {
    snooze.snoozeFor(15);
    Snooze restarted(store, [this] { return now; });
    restarted.load();
    EXPECT_EQ(restarted.until(), paris(6, 10, 15, 40));
    EXPECT_TRUE(restarted.endTimer().isEnabled());

    now = paris(6, 10, 15, 41);
    Snooze later(store, [this] { return now; });
    later.load();
    EXPECT_FALSE(later.snoozed());
    EXPECT_EQ(stored(), "0");
}

TEST_F(SnoozeClock, onlyWholeMinutesFromOneToADayAreTaken) {
    EXPECT_EQ(Snooze::minutesIn(" 15 "), 15);
    for (const char* text : {"0", "-5", "1441", "15m", ""})
        EXPECT_EQ(Snooze::minutesIn(text), 0) << text;
}

} // namespace
