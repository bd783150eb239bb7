// The learner's commands on the play cycle, tick by tick, in both language orders.
#include "core/learning/learner_commands.h"
#include "support/play_cycle.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

// settings.frenchFirst: 1 is French first.
class Commands : public ::testing::TestWithParam<int>, protected PlayCycleOnFakes {
protected:
    Commands() : PlayCycleOnFakes(GetParam()) {}
    void SetUp() override {
        for (int i = 0; i < 68; ++i) // the welcome, up to the start of playback
            chrome.onWelcomeTick();
    }
    void tick(int count) {
        for (int i = 0; i < count; ++i) {
            cycle.onPlayCycleTick();
            if (cycle.frenchSlideTimer().isEnabled())
                cycle.onFrenchSlideTick();
            if (cycle.englishRiseTimer().isEnabled())
                cycle.onEnglishRiseTick();
        }
    }
    // Everything in the cycle and on the bar that could move.
    QString state() const {
        return QStringList({bar.frenchLine, bar.englishLine, QString::number(cycle.cycleTick()),
                            QString::number(int(playback.phase())),
                            QString::number(cycle.cyclesPlayed()),
                            QString::number(cycle.slideStep()), QString::number(bar.englishTop)})
            .join('/');
    }
    QStringList heard() { return std::exchange(peedy.calls, {}); }
    const QString& frenchText() const { return playback.french(); }
    const QString& englishText() const { return playback.english(); }

    const bool frenchFirst = GetParam() == 1;
    LearnerCommands commands{cycle, chrome, playback, settings};
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
                  " " + (frenchMoving ? frenchText() : englishText()));
        EXPECT_EQ(bar.englishTop, frenchMoving ? 400 : 60) << pauseAt;
        const QString frozen = state();
        cycle.holdForSettings(); // the settings dialog opens and closes
        cycle.releaseAfterSettings();
        tick(40);
        EXPECT_EQ(state(), frozen) << "nothing moves while paused, at tick " << pauseAt;

        commands.togglePause();
        tick(1);
        played = pauseAt + 1;
        EXPECT_EQ(cycle.cycleTick(), frozen.section('/', 2, 2).toInt() + 1)
            << "on from where it stood";
    }
}

TEST_P(Commands, replayLeavesTheCycleAlone) {
    tick(20);
    heard();
    const QString running = state();
    commands.replay();
    commands.replaySlowly();
    const QString french = "Speak:" + frenchText();
    EXPECT_EQ(heard(), QStringList({"Stop", french, "Stop", "SpeakSlowly:" + frenchText()}));
    EXPECT_EQ(state(), running);
    peedy.visible = false; // reading aloud turned off: asked for, it is heard all the same
    commands.replay();
    EXPECT_EQ(heard(), QStringList({"Stop", "Show", french, "Hide"}));
}

TEST_P(Commands, jumpsRestartTheCycleAndSpeakOnceAfterABurst) {
    tick(20);
    heard();
    for (int i = 0; i < 25; ++i) // a held key
        commands.next();
    commands.previous();
    EXPECT_EQ(order.selections, 25);
    EXPECT_FALSE(commands.paused());
    EXPECT_EQ(state().section('/', 2), "1/1/0/0/400") << "tick 1 of the first phase has run";
    EXPECT_EQ(cycle.frenchSlideTimer().isEnabled(), frenchFirst) << "the French slides in first";
    EXPECT_EQ(cycle.englishRiseTimer().isEnabled(), !frenchFirst) << "or the English rises first";
    const QStringList calls = heard();
    EXPECT_EQ(calls.mid(calls.lastIndexOf("Stop")),
              frenchFirst ? QStringList({"Stop", "Speak:" + frenchText(), "Play:Wave"})
                          : QStringList({"Stop"}));
}

TEST_P(Commands, pausedJumpsStepToTheFirstLineAtRestAndReadItOnce) {
    tick(12);
    commands.togglePause();
    heard();
    commands.next();
    EXPECT_TRUE(commands.paused());
    EXPECT_EQ(order.selections, 2);
    EXPECT_EQ(heard(), QStringList({"Stop", "Speak:" + frenchText()}));
    EXPECT_EQ(frenchFirst ? bar.frenchLine : bar.englishLine,
              " " + (frenchFirst ? frenchText() : englishText()));
}

TEST_P(Commands, aPausedLineTurnsOnRequestAndItsSentencePlaysFromItsStartOnResume) {
    tick(12);
    commands.togglePause();
    commands.next();
    const QString french = " " + frenchText(), english = " " + englishText();
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
        bool welcome, settingsOpen;
        QString french;
        std::vector<Command> commands;
        int selections, notices; // notices: the learner is told "Not now", once a command
    } cases[] = {
        {"during the welcome", true, false, "Bonjour!  ", all, 5, 5},
        {"replay with no sentence yet", false, false, "  ", {all[1], all[2]}, 5, 2},
        {"jumps, the dialog open", false, true, "Bonjour!  ", {all[3], all[4]}, 5, 2},
        {"previous with nothing earlier", false, false, "Bonjour!  ", {all[4]}, 1, 0},
    };
    QStringList notices;
    QObject::connect(&commands, &LearnerCommands::notNow,
                     [&](const QString& why) { notices << why; });
    tick(12);
    for (const auto& c : cases) {
        if (c.welcome) {
            armForStartUp();
            for (int i = 0; i < 30; ++i)
                chrome.onWelcomeTick();
        }
        while (!c.welcome && !chrome.welcomeOver())
            chrome.onWelcomeTick();
        if (c.settingsOpen) {
            playback.gate().open();
            cycle.holdForSettings();
        } else {
            playback.gate().close();
            cycle.releaseAfterSettings();
        }
        playback.setSentence(playback.frenchId(), c.french, englishText());
        order.selections = c.selections;
        heard();
        const QString before = state();
        for (Command command : c.commands)
            (commands.*command)();
        EXPECT_FALSE(commands.paused()) << c.what;
        EXPECT_TRUE(heard().isEmpty()) << c.what;
        EXPECT_EQ(order.selections, c.selections) << c.what;
        EXPECT_EQ(state(), before) << c.what;
        EXPECT_EQ(std::exchange(notices, {}).filter("Not now: ").size(), c.notices) << c.what;
    }
}

TEST_P(Commands, aHiddenTranslationKeepsItsTimeAndShowsOnlyWhenAskedFor) {
    cycle.setTranslationHidden(true);
    int ticks = 0;
    const CyclePhase englishPhase =
        frenchFirst ? CyclePhase::SecondShowing : CyclePhase::FirstShowing;
    for (; cycle.cyclesPlayed() == 0; ++ticks, tick(1)) {
        if (playback.phase() == englishPhase) { // the French stays to recall the English by
            ASSERT_EQ(bar.frenchLine.trimmed() + bar.englishLine.trimmed(),
                      frenchFirst ? frenchText().trimmed() : "");
        }
    }
    EXPECT_EQ(ticks, 82) << "the cycle's time is the same";
    while (playback.phase() != englishPhase)
        tick(1);
    commands.showOtherLanguage();
    EXPECT_EQ(bar.frenchLine + "/" + bar.englishLine, " / " + englishText()) << "the line turns";
    EXPECT_FALSE(commands.paused());
}

INSTANTIATE_TEST_SUITE_P(LanguageOrders, Commands, ::testing::Values(1, 2), [](const auto& info) {
    return info.param == 1 ? "frenchFirst" : "englishFirst";
});

// The pause sign covers the end of a line at rest: 16 pixels of it with this bar.
TEST(PauseSign, aLineAtRestComesOutFromUnderItAndGoesBackWhenItGoes) {
    for (const int overflow : {0, 100}) { // a line that fits the bar, and one that scrolled
        PlayCycleOnFakes fakes;
        auto& [settings, bar, pointer, peedy, playback, order, chrome, cycle] = fakes;
        LearnerCommands commands{cycle, chrome, playback, settings};
        bar.overflow[0] = overflow;
        const auto scrollOut = [&, &cycle = cycle] {
            for (int i = 0; i < 500 && cycle.lineScroll().timer().isEnabled(); ++i)
                cycle.lineScroll().onTick();
        };
        while (!chrome.welcomeOver())
            chrome.onWelcomeTick();
        for (int i = 0; i < 40; ++i)
            cycle.onPlayCycleTick(), cycle.onFrenchSlideTick();
        scrollOut();
        bar.signCover = 16;
        commands.togglePause();
        scrollOut();
        EXPECT_EQ(bar.scroll[0], overflow + 16) << "its end just left of the sign";
        commands.togglePause();
        EXPECT_EQ(bar.scroll[0], overflow) << "and back to the picture";
    }
}

} // namespace
