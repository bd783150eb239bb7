// The Progress window's review figures and pictures: what the review schedule and the minutes
// played tell it, shown per topic, per deck and in its two pictures.
#include "core/learning/learning_modes.h"
#include "core/learning/played_minutes.h"
#include "core/settings/settings_record.h"
#include "fakes/fake_record_files.h"
#include "fakes/fake_settings_store.h"
#include "support/deck_fixture.h"
#include "ui/dialogs/due_forecast_chart.h"
#include "ui/dialogs/listening_calendar.h"
#include "ui/dialogs/progress_window.h"

#include <QLabel>

namespace {

class ProgressReviews : public DeckFixture {
protected:
    FakeSettingsStore store;
    SettingsRecord settings;
    LearningModes modes{store, settings, [] { return qint64(0); }};
};

TEST_F(ProgressReviews, theFiguresFollowTheScheduleAndStayBlankWithoutReviews) {
    importDeck("Cuisine", "cuisine.txt", {{"Je goûte.", "I taste."}});
    importDeck("Gare", "gare.txt", {{"Le train part.", "The train leaves."}});
    ProgressWindow window(modes, &library);
    EXPECT_EQ(window.inReview(3)->text(), QString());
    ReviewOutlook outlook;
    outlook.perTopic.insert(3, {4, 2});
    outlook.perDeck.insert("Gare", {5, 0});
    outlook.duePerDay[0] = 2, outlook.duePerDay[6] = 7;
    window.setReviewOutlookSource([&] { return outlook; });
    EXPECT_EQ(window.inReview(3)->text(), "4");
    EXPECT_EQ(window.dueToday(3)->text(), "2");
    EXPECT_EQ(window.dueToday(4)->text(), QString());
    EXPECT_EQ(window.deckReviewFigures(), QStringList({QString(), "5, 0"}));
    EXPECT_EQ(window.forecast()->forecast(), outlook.duePerDay);
    outlook.perTopic.insert(3, {4, 1}); // a review done
    window.refresh();
    EXPECT_EQ(window.dueToday(3)->text(), "1");
}

TEST_F(ProgressReviews, theCalendarFollowsTheMinutesAsTheyArePlayed) {
    FakeRecordFiles records;
    records.files["played.csv"] = "2026-12-01,12.0\n";
    QDateTime now(QDate(2026, 12, 3), QTime(9, 0));
    PlayedMinutes played(records, [&] { return now; });
    played.load();
    ProgressWindow window(modes);
    window.calendar()->setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
    window.setPlayedMinutes(&played);
    const auto tipOn = [&](const QDate& day) {
        return window.calendar()->toolTipAt(window.calendar()->dayRect(day).center());
    };
    EXPECT_EQ(tipOn(QDate(2026, 12, 1)), "12 minutes on Tuesday 1 December");
    for (int tick = 0; tick <= 600; ++tick, now = now.addMSecs(100))
        played.onCycleTick(true);
    EXPECT_EQ(tipOn(QDate(2026, 12, 3)), "1 minute on Thursday 3 December");
}

} // namespace
