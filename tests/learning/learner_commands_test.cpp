// The learner's commands driven over the play cycle tick by tick, in both language orders.
#include "learning/learner_commands.h"
#include "support/play_cycle.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

// Settings.ce: 1 is French first.
class Commands : public ::testing::TestWithParam<int>, protected PlayCycle {
protected:
    Commands() : PlayCycle(GetParam()) {}
    void SetUp() override {
        for (int i = 0; i < 68; ++i) // the welcome, up to the start of playback
            timers.Timer1_Timer();
    }
    void tick(int count) {
        for (int i = 0; i < count; ++i) {
            timers.Timer5_Timer();
            if (timers.Timer4.Enabled())
                timers.Timer4_Timer();
            if (timers.Timer3.Enabled())
                timers.Timer3_Timer();
        }
    }
    // Everything in the cycle and on the bar that could move.
    QString state() const {
        const QList<int> counts = {gintTick, gintPhase, gintRepeat, timers.mintSlide,
                                   bar.label2Top};
        QStringList parts = {bar.label1, bar.label2};
        for (int count : counts)
            parts << QString::number(count);
        return parts.join('/');
    }
    QStringList heard() { return std::exchange(peedy.calls, {}); }

    LearnerCommands commands{timers, bar};
};

TEST_P(Commands, pauseFreezesCycleAndSlidesEvenAcrossTheDialogAndResumeCarriesOn) {
    int played = 0;
    for (int pauseAt : {1, 3, 52, 60}) { // in both slides, and around the second language
        tick(pauseAt - played);
        heard();
        commands.togglePause();
        EXPECT_EQ(heard(), QStringList({"Stop"})) << "the voice stops at once";
        const QString frozen = state();
        timers.Timer5.setEnabled(false); // the settings dialog opens and closes
        timers.Timer5.setEnabled(true);
        tick(40);
        EXPECT_EQ(state(), frozen) << "nothing moves while paused, at tick " << pauseAt;

        commands.togglePause();
        tick(1);
        played = pauseAt + 1;
        EXPECT_EQ(gintTick, frozen.section('/', 2, 2).toInt() + 1) << "on from where it stood";
    }
}

TEST_P(Commands, replayLeavesTheCycleAloneWhileJumpsRestartItResumeAndSpeakOnceAfterABurst) {
    tick(20);
    heard();
    const QString running = state();
    commands.replay();
    commands.replaySlowly();
    const QString french = "Speak:" + bar.frenchText;
    EXPECT_EQ(heard(), QStringList({"Stop", french, "Stop", "SpeakSlowly:" + bar.frenchText}));
    EXPECT_EQ(state(), running);

    commands.togglePause();
    for (int i = 0; i < 25; ++i) // a held key
        commands.next();
    commands.previous();
    EXPECT_EQ(bar.selections, 25);
    EXPECT_FALSE(commands.paused());
    EXPECT_EQ(state().section('/', 2), "1/1/0/0/400") << "tick 1 of the first phase has run";
    const bool frenchFirst = GetParam() == 1;
    EXPECT_EQ(timers.Timer4.Enabled(), frenchFirst) << "the French slides in first";
    EXPECT_EQ(timers.Timer3.Enabled(), !frenchFirst) << "or the English rises first";
    const QStringList calls = heard();
    EXPECT_EQ(calls.mid(calls.lastIndexOf("Stop")),
              frenchFirst ? QStringList({"Stop", "Speak:" + bar.frenchText, "Play:Wave"})
                          : QStringList({"Stop"}));
}

TEST_P(Commands, commandsThatMakeNoSenseDoNothing) {
    using Command = void (LearnerCommands::*)();
    const std::vector<Command> all = {&LearnerCommands::togglePause, &LearnerCommands::replay,
                                      &LearnerCommands::replaySlowly, &LearnerCommands::next,
                                      &LearnerCommands::previous};
    const struct {
        const char* what;
        int16_t startCount;
        bool cycleEnabled;
        QString french;
        int selections;
        std::vector<Command> commands;
    } cases[] = {
        {"during the welcome", 40, true, "Bonjour!  ", 5, all},
        {"replay with no sentence yet", 1, true, "  ", 5, {all[1], all[2]}},
        {"jumps while the dialog holds the cycle", 1, false, "Bonjour!  ", 5, {all[3], all[4]}},
        {"previous with nothing earlier", 1, true, "Bonjour!  ", 1, {all[4]}},
    };
    tick(12);
    for (const auto& c : cases) {
        gintStartCount = c.startCount;
        timers.Timer5.setEnabled(c.cycleEnabled);
        bar.frenchText = c.french;
        bar.selections = c.selections;
        heard();
        const QString before = state();
        for (Command command : c.commands)
            (commands.*command)();
        EXPECT_FALSE(commands.paused()) << c.what;
        EXPECT_TRUE(heard().isEmpty()) << c.what;
        EXPECT_EQ(bar.selections, c.selections) << c.what;
        EXPECT_EQ(state(), before) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(LanguageOrders, Commands, ::testing::Values(1, 2), [](const auto& info) {
    return info.param == 1 ? "frenchFirst" : "englishFirst";
});

} // namespace
