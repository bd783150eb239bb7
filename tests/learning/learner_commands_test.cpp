// The learner's commands driven over the play cycle tick by tick, in both language orders.
#include "app/module1.h"
#include "fakes/fake_agent.h"
#include "fakes/fake_caption_bar.h"
#include "learning/learner_commands.h"
#include "playback/playback_timers.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct Snapshot {
    int16_t tick, phase, repeat, slide;
    QString label1, label2;
    int label2Top;
    bool operator==(const Snapshot& o) const {
        return tick == o.tick && phase == o.phase && repeat == o.repeat && slide == o.slide &&
               label1 == o.label1 && label2 == o.label2 && label2Top == o.label2Top;
    }
};

class Commands : public ::testing::TestWithParam<int> { // the language order, Settings.ce
protected:
    void SetUp() override {
        Settings = SettingsRecord{};
        Settings.ce = static_cast<int16_t>(GetParam());
        Settings.n = 2, Settings.etime = 5, Settings.ctime = 3, Settings.voice = 1;
        gintRepeat = 0;
        timers.armForStartUp();
        bar.agent = &peedy;
        bar.SelectNextSentence();
        for (int i = 0; i < 68; ++i) // the welcome, up to the start of playback
            timers.Timer1_Timer();
        ASSERT_TRUE(timers.Timer5.Enabled());
        peedy.calls.clear();
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
    Snapshot snapshot() const {
        return {gintTick,   gintPhase,  gintRepeat,   timers.mintSlide,
                bar.label1, bar.label2, bar.label2Top};
    }
    QStringList callsSinceLastStop() const {
        return peedy.calls.mid(peedy.calls.lastIndexOf("Stop"));
    }

    FakeCaptionBar bar;
    FakePointer pointer;
    PlaybackTimers timers{bar, pointer};
    FakeCharacter peedy;
    LearnerCommands commands{timers, bar};
};

TEST_P(Commands, pauseFreezesCycleAndSlidesAndResumeCarriesOnFromTheSamePoint) {
    int played = 0;
    for (int pauseAt : {1, 3, 52, 60}) { // in both slides, and around the second language
        tick(pauseAt - played);
        peedy.calls.clear();
        commands.togglePause();
        EXPECT_EQ(peedy.calls, QStringList({"Stop"})) << "the voice stops at once";
        const Snapshot frozen = snapshot();
        tick(40);
        EXPECT_EQ(snapshot(), frozen) << "nothing moves while paused, at tick " << pauseAt;

        commands.togglePause();
        tick(1);
        played = pauseAt + 1;
        EXPECT_EQ(gintTick, frozen.tick + 1) << "the cycle goes on from where it stood";
    }
}

TEST_P(Commands, settingsDialogClosingWhilePausedStaysPaused) {
    tick(10);
    commands.togglePause();
    timers.Timer5.setEnabled(false); // the dialog opens
    timers.Timer5.setEnabled(true);  // and closes
    const Snapshot frozen = snapshot();
    tick(5);
    EXPECT_EQ(snapshot(), frozen);
    EXPECT_TRUE(commands.paused());
}

TEST_P(Commands, nextAndPreviousRestartTheCycleAtItsFirstPhaseAndResume) {
    tick(60);
    commands.togglePause();
    const int before = bar.selections;
    commands.next();
    EXPECT_EQ(bar.selections, before + 1);
    EXPECT_FALSE(commands.paused());
    EXPECT_EQ(gintPhase, 1);
    EXPECT_EQ(gintTick, 1);
    EXPECT_EQ(gintRepeat, 0);
    EXPECT_EQ(bar.label2Top, PlaybackTimers::kLabel2Rest);
    const bool frenchFirst = GetParam() == 1;
    EXPECT_EQ(timers.Timer4.Enabled(), frenchFirst) << "the French slides in first";
    EXPECT_EQ(timers.Timer3.Enabled(), !frenchFirst) << "or the English rises first";
    const QStringList speech = frenchFirst
                                   ? QStringList{"Stop", "Speak:" + bar.frenchText, "Play:Wave"}
                                   : QStringList{"Stop"};
    EXPECT_EQ(callsSinceLastStop(), speech);

    commands.previous();
    EXPECT_EQ(bar.selections, before);
    EXPECT_EQ(gintTick, 1);
}

TEST_P(Commands, aBurstOfJumpsLeavesOneSentenceToSpeak) {
    Settings.ce = 1;
    for (int i = 0; i < 25; ++i)
        commands.next();
    EXPECT_EQ(callsSinceLastStop(), QStringList({"Stop", "Speak:" + bar.frenchText, "Play:Wave"}));
}

TEST_P(Commands, replayReadsTheSentenceAgainWithoutTouchingTheCycle) {
    tick(20);
    peedy.calls.clear();
    const Snapshot running = snapshot();
    commands.replay();
    commands.replaySlowly();
    EXPECT_EQ(peedy.calls, QStringList({"Stop", "Speak:" + bar.frenchText, "Stop",
                                        "SpeakSlowly:" + bar.frenchText}));
    EXPECT_EQ(snapshot(), running);
}

TEST_P(Commands, commandsThatMakeNoSenseDoNothing) {
    using Command = void (LearnerCommands::*)();
    struct Case {
        const char* what;
        int16_t startCount;
        bool cycleEnabled;
        QString french;
        std::vector<Command> commands;
    };
    const std::vector<Command> all = {&LearnerCommands::togglePause, &LearnerCommands::replay,
                                      &LearnerCommands::replaySlowly, &LearnerCommands::next,
                                      &LearnerCommands::previous};
    const Case cases[] = {
        {"during the welcome", 40, false, "Bonjour!  ", all},
        {"replay with no sentence yet",
         1,
         true,
         "  ",
         {&LearnerCommands::replay, &LearnerCommands::replaySlowly}},
        {"jumps while the settings dialog holds the cycle",
         1,
         false,
         "Bonjour!  ",
         {&LearnerCommands::next, &LearnerCommands::previous}},
    };
    for (const Case& c : cases) {
        gintStartCount = c.startCount;
        timers.Timer5.setEnabled(c.cycleEnabled);
        bar.frenchText = c.french;
        const int selections = bar.selections;
        const Snapshot before = snapshot();
        for (Command command : c.commands)
            (commands.*command)();
        EXPECT_FALSE(commands.paused()) << c.what;
        EXPECT_TRUE(peedy.calls.isEmpty()) << c.what;
        EXPECT_EQ(bar.selections, selections) << c.what;
        EXPECT_EQ(snapshot(), before) << c.what;
    }
}

TEST_P(Commands, previousWithNothingEarlierLeavesTheCycleAlone) {
    bar.selections = 1;
    tick(12);
    peedy.calls.clear();
    const Snapshot running = snapshot();
    commands.previous();
    EXPECT_EQ(snapshot(), running);
    EXPECT_TRUE(peedy.calls.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(LanguageOrders, Commands, ::testing::Values(1, 2), [](const auto& info) {
    return info.param == 1 ? "frenchFirst" : "englishFirst";
});

} // namespace
