// The play cycle tick by tick, in both language orders: the learner's commands, and the French
// held while the character reads it first; and the wheel's movement turned into steps: one per
// notch, quiet for 300 ms after each notch.
#include "core/learning/learner_commands.h"
#include "core/learning/listen_first.h"
#include "core/learning/wheel_notches.h"
#include "support/play_cycle.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

// settings.frenchFirst: 1 is French first.
class Commands : public ::testing::TestWithParam<int>, protected PlayCycle {
protected:
    Commands() : PlayCycle(GetParam()) {}
    void SetUp() override {
        for (int i = 0; i < 68; ++i) // the welcome, up to the start of playback
            timers.onWelcomeTick();
    }
    void tick(int count) {
        for (int i = 0; i < count; ++i) {
            timers.onPlayCycleTick();
            if (timers.frenchSlideTimer().isEnabled())
                timers.onFrenchSlideTick();
            if (timers.englishRiseTimer().isEnabled())
                timers.onEnglishRiseTick();
        }
    }
    // Everything in the cycle and on the bar that could move.
    QString state() const {
        return QStringList({bar.frenchLine, bar.englishLine, QString::number(timers.cycleTick()),
                            QString::number(timers.cyclePhase()),
                            QString::number(timers.cyclesPlayed()),
                            QString::number(timers.slideStep()), QString::number(bar.englishTop)})
            .join('/');
    }
    QStringList heard() { return std::exchange(peedy.calls, {}); }

    const bool frenchFirst = GetParam() == 1;
    LearnerCommands commands{timers, bar, settings};
};

TEST_P(Commands, pauseFreezesCycleAndSlidesEvenAcrossTheDialogAndResumeCarriesOn) {
    int played = 0;
    for (int pauseAt : {1, 3, 52, 60}) { // in both slides, and around the second language
        tick(pauseAt - played);
        heard();
        commands.togglePause();
        EXPECT_EQ(heard(), QStringList({"Stop"})) << "the voice stops at once";
        // The line on its way is at its resting place at once.
        const bool frenchMoving = (pauseAt < 50) == frenchFirst;
        EXPECT_EQ(frenchMoving ? bar.frenchLine : bar.englishLine,
                  " " + (frenchMoving ? bar.frenchText : bar.englishText));
        EXPECT_EQ(bar.englishTop, frenchMoving ? 400 : 60) << pauseAt;
        const QString frozen = state();
        timers.playCycleTimer().setEnabled(false); // the settings dialog opens and closes
        timers.playCycleTimer().setEnabled(true);
        tick(40);
        EXPECT_EQ(state(), frozen) << "nothing moves while paused, at tick " << pauseAt;

        commands.togglePause();
        tick(1);
        played = pauseAt + 1;
        EXPECT_EQ(timers.cycleTick(), frozen.section('/', 2, 2).toInt() + 1)
            << "on from where it stood";
    }
}

TEST_P(Commands, replayLeavesTheCycleAloneWhileJumpsRestartItAndSpeakOnceAfterABurst) {
    tick(20);
    heard();
    const QString running = state();
    commands.replay();
    commands.replaySlowly();
    const QString french = "Speak:" + bar.frenchText;
    EXPECT_EQ(heard(), QStringList({"Stop", french, "Stop", "SpeakSlowly:" + bar.frenchText}));
    EXPECT_EQ(state(), running);
    peedy.visible = false; // reading aloud turned off: asked for, it is heard all the same
    commands.replay();
    EXPECT_EQ(heard(), QStringList({"Stop", "Show", french, "Hide"}));

    for (int i = 0; i < 25; ++i) // a held key
        commands.next();
    commands.previous();
    EXPECT_EQ(bar.selections, 25);
    EXPECT_FALSE(commands.paused());
    EXPECT_EQ(state().section('/', 2), "1/1/0/0/400") << "tick 1 of the first phase has run";
    EXPECT_EQ(timers.frenchSlideTimer().isEnabled(), frenchFirst) << "the French slides in first";
    EXPECT_EQ(timers.englishRiseTimer().isEnabled(), !frenchFirst) << "or the English rises first";
    const QStringList calls = heard();
    EXPECT_EQ(calls.mid(calls.lastIndexOf("Stop")),
              frenchFirst ? QStringList({"Stop", "Speak:" + bar.frenchText, "Play:Wave"})
                          : QStringList({"Stop"}));
}

TEST_P(Commands, pausedJumpsStepToTheFirstLineAtRestReadItOnceAndTheLineTurnsOnRequest) {
    tick(12);
    commands.togglePause();
    heard();
    commands.next();
    EXPECT_TRUE(commands.paused());
    EXPECT_EQ(bar.selections, 2);
    EXPECT_EQ(heard(), QStringList({"Stop", "Speak:" + bar.frenchText}));
    const QString french = " " + bar.frenchText, english = " " + bar.englishText;
    for (const bool turned : {false, true, false}) {
        const bool frenchShown = frenchFirst != turned;
        EXPECT_EQ(bar.frenchLine, frenchShown ? french : " ") << turned;
        EXPECT_EQ(bar.englishLine, frenchShown ? " " : english) << turned;
        EXPECT_EQ(bar.englishTop, frenchShown ? 400 : 60) << turned;
        commands.showOtherLanguage();
    }
    tick(20);
    EXPECT_EQ(bar.englishTop, frenchFirst ? 60 : 400) << "nothing moves while paused";

    commands.togglePause();
    EXPECT_EQ(state().section('/', 2), "1/1/0/0/400") << "the sentence plays from its start";
    const QString playing = state();
    commands.showOtherLanguage();
    EXPECT_EQ(state(), playing) << "only while paused";
}

TEST_P(Commands, commandsThatMakeNoSenseDoNothing) {
    using Command = void (LearnerCommands::*)();
    const std::vector<Command> all = {&LearnerCommands::togglePause, &LearnerCommands::replay,
                                      &LearnerCommands::replaySlowly, &LearnerCommands::next,
                                      &LearnerCommands::previous};
    const struct {
        const char* what;
        bool welcome, cycleEnabled;
        QString french;
        std::vector<Command> commands;
        int selections, notices; // notices: the learner is told "Not now", once a command
    } cases[] = {
        {"during the welcome", true, true, "Bonjour!  ", all, 5, 5},
        {"replay with no sentence yet", false, true, "  ", {all[1], all[2]}, 5, 2},
        {"jumps, the dialog open", false, false, "Bonjour!  ", {all[3], all[4]}, 5, 2},
        {"previous with nothing earlier", false, true, "Bonjour!  ", {all[4]}, 1, 0},
    };
    QStringList notices;
    QObject::connect(&commands, &LearnerCommands::notNow,
                     [&](const QString& why) { notices << why; });
    tick(12);
    for (const auto& c : cases) {
        if (c.welcome) {
            timers.armForStartUp();
            for (int i = 0; i < 30; ++i)
                timers.onWelcomeTick();
        }
        while (!c.welcome && !timers.welcomeOver())
            timers.onWelcomeTick();
        timers.playCycleTimer().setEnabled(c.cycleEnabled);
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
        EXPECT_EQ(std::exchange(notices, {}).filter("Not now: ").size(), c.notices) << c.what;
    }
}

TEST_P(Commands, aHiddenTranslationKeepsItsTimeAndShowsOnlyWhenAskedFor) {
    timers.setTranslationHidden(true);
    int ticks = 0, englishPhase = frenchFirst ? 3 : 1;
    for (; timers.cyclesPlayed() == 0; ++ticks, tick(1)) {
        if (timers.cyclePhase() == englishPhase) { // the French stays to recall the English by
            ASSERT_EQ(bar.frenchLine.trimmed() + bar.englishLine.trimmed(),
                      frenchFirst ? bar.frenchText.trimmed() : "");
        }
    }
    EXPECT_EQ(ticks, 82) << "the cycle's time is the same";
    while (timers.cyclePhase() != englishPhase)
        tick(1);
    commands.showOtherLanguage();
    EXPECT_EQ(bar.frenchLine + "/" + bar.englishLine, " / " + bar.englishText) << "the line turns";
    EXPECT_FALSE(commands.paused());
}

INSTANTIATE_TEST_SUITE_P(LanguageOrders, Commands, ::testing::Values(1, 2), [](const auto& info) {
    return info.param == 1 ? "frenchFirst" : "englishFirst";
});

TEST(WheelNotches, turnsMovementIntoOneStepPerNotchIgnoringFlicks) {
    const struct {
        const char* what;
        std::vector<std::pair<int, qint64>> turns; // the wheel's delta, at this time in ms
        std::vector<int> steps;
    } cases[] = {
        {"down is next, up is previous", {{-120, 0}, {120, 400}}, {1, -1}},
        {"a flick restarts the quiet time", {{-120, 0}, {-120, 250}, {-120, 500}}, {1, 0, 0}},
        {"notches 300 ms apart each count", {{-120, 0}, {-120, 300}, {120, 600}}, {1, 1, -1}},
        {"a fine wheel's fractions add up to a notch", {{-40, 0}, {-40, 10}, {-40, 20}}, {0, 0, 1}},
        {"turning back discards the fraction", {{-100, 0}, {60, 10}, {60, 20}}, {0, 0, -1}},
    };
    for (const auto& c : cases) {
        WheelNotches wheel;
        std::vector<int> steps;
        for (const auto& [delta, atMs] : c.turns)
            steps.push_back(wheel.step(delta, atMs));
        EXPECT_EQ(steps, c.steps) << c.what;
    }
}

// The pause sign covers the end of a line at rest: 16 pixels of it with this bar.
TEST(PauseSign, aLineAtRestComesOutFromUnderItAndGoesBackWhenItGoes) {
    for (const int overflow : {0, 100}) { // a line that fits the bar, and one that scrolled
        PlayCycle cycle;
        auto& [settings, bar, pointer, peedy, timers] = cycle;
        LearnerCommands commands{timers, bar, settings};
        bar.overflow[0] = overflow;
        const auto scrollOut = [&] {
            for (int i = 0; i < 500 && timers.scrollTimer().isEnabled(); ++i)
                timers.onScrollTick();
        };
        while (!timers.welcomeOver())
            timers.onWelcomeTick();
        for (int i = 0; i < 40; ++i)
            timers.onPlayCycleTick(), timers.onFrenchSlideTick();
        scrollOut();
        bar.signCover = 16;
        commands.togglePause();
        scrollOut();
        EXPECT_EQ(bar.scroll[0], overflow + 16) << "its end just left of the sign";
        commands.togglePause();
        EXPECT_EQ(bar.scroll[0], overflow) << "and back to the picture";
    }
}

constexpr int kNever = 1 << 20;

// The play cycle with listen first, tick by tick, 100 ms a tick: the French waits while the
// character reads it ("Phrase 1.  " is given 1500 + 85 x 9 = 2265 ms).
TEST(ListenFirstCycle, frenchWaitsForTheReadingOrItsLimitAndShowsAtOnceWithNothingToHear) {
    const struct {
        const char* what;
        int16_t ce, voice;
        bool listen, hidden;
        const char* failure;
        qint64 start;
        int speakingUntil, french, english;
        const char* reading;
    } cases[] = {
        {"reading ends on tick 20", 1, 1, true, false, "", 20000, 20, 21, 71, "Listen:"},
        {"reading never ends: its limit", 1, 1, true, false, "", 20000, kNever, 24, 74, "Listen:"},
        {"10 s after start at the latest", 1, 1, true, false, "", 4000, kNever, 83, 133, "Listen:"},
        {"English first", 0, 1, true, false, "", 20000, 50, 51, 1, "Listen:"},
        {"read-aloud off", 1, 0, true, false, "", 20000, kNever, 1, 51, ""},
        {"read-aloud 2: only 1 reads", 1, 2, true, false, "", 20000, kNever, 1, 51, ""},
        {"character hidden", 1, 1, true, true, "", 20000, kNever, 1, 51, "Speak:"},
        {"no French voice", 1, 1, true, false, "no voice", 20000, kNever, 1, 51, "Listen:"},
        {"listen first off", 1, 1, false, false, "", 20000, kNever, 1, 51, "Speak:"},
    };
    for (const auto& c : cases) {
        PlayCycle cycle(c.ce);
        auto& [settings, bar, pointer, peedy, timers] = cycle;
        settings.readAloud = c.voice;
        qint64 now = c.start;
        ListenFirst hold(settings, [&] { return now; });
        hold.setEnabled(c.listen);
        peedy.visible = !c.hidden;
        peedy.failure = c.failure;
        timers.setFrenchHold(&hold);

        int french = 0, english = 0;
        bool listened = false;
        for (int tick = 1; tick <= 140; ++tick) {
            now += 100;
            peedy.speaking = tick <= c.speakingUntil;
            timers.onPlayCycleTick();
            french = french ? french : timers.frenchSlideTimer().isEnabled() ? tick : 0;
            english = english ? english : timers.englishRiseTimer().isEnabled() ? tick : 0;
            if (!french) { // nothing of the French shows before it slides in
                EXPECT_EQ(bar.frenchLine.trimmed(), QString()) << c.what << ", tick " << tick;
            }
            listened |= bar.listening;
            EXPECT_FALSE(bar.listening && timers.frenchSlideTimer().isEnabled()) << c.what;
            while (timers.frenchSlideTimer().isEnabled())
                timers.onFrenchSlideTick();
            while (timers.englishRiseTimer().isEnabled())
                timers.onEnglishRiseTick();
        }
        EXPECT_EQ(listened, c.french > 1) << c.what << ": the sign shows while the French waits";
        EXPECT_EQ(french, c.french) << c.what;
        EXPECT_EQ(english, c.english) << c.what;
        const QStringList reads = peedy.calls.filter(QRegularExpression("^(Speak|Listen):"));
        EXPECT_EQ(reads.value(0), *c.reading ? c.reading + bar.frenchText : QString()) << c.what;
        EXPECT_TRUE(peedy.calls.contains("Play:Wave")) << c.what;
    }
}

} // namespace
