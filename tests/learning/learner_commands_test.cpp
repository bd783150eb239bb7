// The learner's commands driven over the play cycle tick by tick, in both language orders, and
// the wheel's movement turned into steps: one per notch, quiet for 300 ms after each notch.
#include "learning/learner_commands.h"
#include "learning/wheel_notches.h"
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
        return QString("%1/%2/%3/%4/%5/%6/%7")
            .arg(bar.label1, bar.label2)
            .arg(gintTick)
            .arg(gintPhase)
            .arg(gintRepeat)
            .arg(timers.mintSlide)
            .arg(bar.label2Top);
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

struct Turn {
    int delta;
    qint64 atMs;
};

TEST(WheelNotches, turnsMovementIntoOneStepPerNotchIgnoringFlicks) {
    struct Case {
        const char* what;
        std::vector<Turn> turns;
        std::vector<int> steps;
    };
    const Case cases[] = {
        {"down is next, up is previous", {{-120, 0}, {120, 400}}, {1, -1}},
        {"each notch of a flick restarts the quiet time",
         {{-120, 0}, {-120, 250}, {-120, 500}},
         {1, 0, 0}},
        {"notches 300 ms apart each count", {{-120, 0}, {-120, 300}, {120, 600}}, {1, 1, -1}},
        {"a fine wheel's fractions add up to a notch", {{-40, 0}, {-40, 10}, {-40, 20}}, {0, 0, 1}},
        {"turning back discards the fraction", {{-100, 0}, {60, 10}, {60, 20}}, {0, 0, -1}},
    };
    for (const Case& c : cases) {
        WheelNotches wheel;
        std::vector<int> steps;
        for (const Turn& turn : c.turns)
            steps.push_back(wheel.step(turn.delta, turn.atMs));
        EXPECT_EQ(steps, c.steps) << c.what;
    }
}

} // namespace
