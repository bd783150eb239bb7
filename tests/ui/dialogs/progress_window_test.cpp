// The Progress window's review figures and pictures, from what the review schedule and the
// minutes played tell it.
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
    ReviewOutlook outlook;
    outlook.perTopic.insert(3, {4, 2});
    outlook.perDeck.insert("Gare", {5, 0});
    outlook.duePerDay[6] = 7;
    window.setReviewOutlookSource([&] { return outlook; });
    EXPECT_EQ(window.inReview(3)->text(), "4");
    EXPECT_EQ(window.dueToday(3)->text(), "2");
    EXPECT_EQ(window.deckReviewFigures(), QStringList({QString(), "5, 0"}));
    EXPECT_EQ(window.forecast()->forecast(), outlook.duePerDay);
    outlook.perTopic.insert(3, {4, 1}); // a review done
    window.refresh();
    EXPECT_EQ(window.dueToday(3)->text(), "1");
}

TEST_F(ProgressReviews, theCalendarGrowsAsTheMinutesArePlayed) {
    FakeRecordFiles records;
    QDateTime now(QDate(2026, 12, 3), QTime(9, 0));
    PlayedMinutes played(records, [&] { return now; });
    ProgressWindow window(modes);
    window.setPlayedMinutes(&played);
    const ListeningCalendar& calendar = *window.calendar();
    const QPoint today = calendar.dayRect(now.date()).center();
    for (int tick = 0; tick <= 600; ++tick, now = now.addMSecs(100))
        played.onCycleTick(true);
    EXPECT_TRUE(calendar.toolTipAt(today).startsWith("1 minute on"));
}

} // namespace
