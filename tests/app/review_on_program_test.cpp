// Review in the whole program: the schedule read at start, what is due first, the Learn menu's
// switch and count, and This one is hard.
#include "core/review/review_schedule.h"
#include "support/desktop.h"
#include "ui/learn/learn_actions.h"

#include <QAction>
#include <QRegularExpression>
#include <QToolTip>

namespace {

class ReviewOnProgram : public ApplicationOnFakes {
protected:
    void SetUp() override {
        settings = SettingsRecord{};
        for (auto [key, value] : {std::pair{"xxx", "1"}, {"rd", "1"}, {"guage", "1"}})
            store.seed(key, value);
        store.values["Vesk/Review/enabled"] = "1";
        records.files[ReviewSchedule::kFileName] =
            R"({"cards": [{"sentence": 10105, "state": "learning", "step": 0, "stability": 0.2,
                "difficulty": 6, "last_review": 1000, "due": 61000, "lapses": 0}]})";
    }
    void pastTheWelcome() {
        while (!program.bar().chrome().welcomeOver())
            program.bar().chrome().onWelcomeTick();
    }
    QString log() const { return QString::fromUtf8(records.files[ReviewSchedule::kLogFileName]); }
    QAction* entry() { return program.learnActions().action("reviewDue"); }
};

TEST_F(ReviewOnProgram, whatIsDueComesFirstAndHardSendsItBackForAMinute) {
    program.start();
    EXPECT_EQ(playback.frenchId(), 10105) << "due, before the sequence's 10101";
    EXPECT_TRUE(entry()->isChecked());
    EXPECT_EQ(entry()->text(), "Review what i&s due (1)");
    pastTheWelcome();
    program.learnActions().action(LearnerCommand::Hard)->trigger();
    EXPECT_EQ(QToolTip::text(), "Back in 1 minute");
    EXPECT_EQ(playback.frenchId(), 10101) << "moved on, the sequence where it was";
    EXPECT_TRUE(
        QRegularExpression("^card_id,[a-z_,]+\n10105,\\d{13},1,1,\\d+\n$").match(log()).hasMatch())
        << qPrintable(log());
    EXPECT_EQ(entry()->text(), "Review what i&s due (0)");
    entry()->trigger();
    EXPECT_EQ(store.values["Vesk/Review/enabled"], "0");
}

} // namespace
