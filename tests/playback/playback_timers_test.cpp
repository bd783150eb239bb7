#include "app/module1.h"
#include "fakes/fake_agent.h"
#include "fakes/fake_caption_bar.h"
#include "playback/playback_timers.h"

#include <gtest/gtest.h>

namespace {

const QString kWelcome = " Welcome to use Dorvane V1.01.";

class Playback : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = SettingsRecord{};
        Settings.ce = 1;
        Settings.n = 2;
        Settings.etime = 5;
        Settings.ctime = 3;
        Settings.voice = 1;
        gintRepeat = 0;
        timers.armForStartUp();
        bar.agent = &peedy;
        bar.SelectNextSentence(); // the first sentence, chosen at start-up
    }

    void countdownTicks(int ticks) {
        for (int i = 0; i < ticks; ++i)
            timers.Timer1_Timer();
    }

    // Runs the play cycle with the slide timers as the bar would, for this many ticks of 100 ms,
    // and notes the tick on which each line appeared and went.
    struct Moments {
        QList<int> frenchIn, frenchOut, englishIn, englishOut, selections;
    };
    Moments play(int ticks) {
        Moments seen;
        timers.Timer5.setEnabled(true);
        for (int tick = 1; tick <= ticks; ++tick) {
            const bool slidingFrench = timers.Timer4.Enabled();
            const bool risingEnglish = timers.Timer3.Enabled();
            const QString french = bar.label1, english = bar.label2;
            const int selections = bar.selections;
            timers.Timer5_Timer();
            if (!slidingFrench && timers.Timer4.Enabled())
                seen.frenchIn << tick;
            if (!risingEnglish && timers.Timer3.Enabled())
                seen.englishIn << tick;
            if (french != " " && bar.label1 == " ")
                seen.frenchOut << tick;
            if (english != " " && bar.label2 == " ")
                seen.englishOut << tick;
            if (bar.selections != selections)
                seen.selections << tick;
            // The slides run faster than the cycle; let them finish between cycle ticks.
            while (timers.Timer4.Enabled())
                timers.Timer4_Timer();
            while (timers.Timer3.Enabled())
                timers.Timer3_Timer();
        }
        return seen;
    }

    FakeCaptionBar bar;
    FakePointer pointer;
    FakeCharacter peedy;
    PlaybackTimers timers{bar, pointer};
};

TEST_F(Playback, welcomeCountdownScrollsShowsTheBarAndStartsPlayback) {
    countdownTicks(1);
    EXPECT_EQ(gintStartCount, 69);
    EXPECT_EQ(bar.label1, QString(49, ' ') + kWelcome);
    EXPECT_FALSE(bar.visible);

    countdownTicks(18);
    EXPECT_FALSE(bar.visible) << "still hidden on the 19th tick";
    countdownTicks(1); // the 20th tick: count 50
    EXPECT_TRUE(bar.visible);
    EXPECT_EQ(bar.splashCloses, 1);
    EXPECT_EQ(bar.label1, QString(30, ' ') + kWelcome);

    countdownTicks(30); // count 20: the text stands still from here
    EXPECT_EQ(bar.label1, kWelcome);
    countdownTicks(17); // count 3
    EXPECT_EQ(bar.label1, kWelcome);
    EXPECT_FALSE(timers.Timer5.Enabled());

    countdownTicks(1); // the 68th tick: count 2
    EXPECT_EQ(bar.label1, " ");
    EXPECT_TRUE(timers.Timer5.Enabled());
    countdownTicks(2); // count 1, then 0 which rests at 1
    EXPECT_EQ(gintStartCount, 1);
    countdownTicks(5);
    EXPECT_EQ(gintStartCount, 1) << "the countdown rests, 1 to 0 and back";
    EXPECT_EQ(bar.splashCloses, 30) << "closing an already closed splash does nothing more";
}

TEST_F(Playback, countdownDoesNotStartPlaybackWhileADialogIsOpen) {
    bar.image1Enabled = false;
    countdownTicks(75);
    EXPECT_FALSE(timers.Timer5.Enabled());
    bar.image1Enabled = true;
    countdownTicks(10);
    EXPECT_FALSE(timers.Timer5.Enabled()) << "only the settings dialog's closing starts it now";
}

TEST_F(Playback, clickOnTheSplashContinuesTheCountdownFromFifty) {
    countdownTicks(5);
    gintStartCount = 50;
    countdownTicks(1);
    EXPECT_EQ(gintStartCount, 49);
    countdownTicks(46);
    EXPECT_FALSE(timers.Timer5.Enabled());
    countdownTicks(1); // 48 ticks after the click
    EXPECT_TRUE(timers.Timer5.Enabled());
}

TEST_F(Playback, frenchFirstShowsEachLanguageForItsTimeAndEachSentenceNTimes) {
    const Moments seen = play(3 * 82 + 1);
    EXPECT_EQ(seen.frenchIn, QList<int>({1, 83, 165, 247}));
    EXPECT_EQ(seen.frenchOut, QList<int>({51, 133, 215})) << "French for 5.0 s";
    EXPECT_EQ(seen.englishIn, QList<int>({51, 133, 215}));
    EXPECT_EQ(seen.englishOut, QList<int>({82, 164, 246})) << "English for 3.1 s";
    EXPECT_EQ(seen.selections, QList<int>({165})) << "a new sentence every second cycle";
    EXPECT_EQ(bar.label2Top, 400);
}

TEST_F(Playback, cycleLengthsFollowTheDisplayTimes) {
    Settings.etime = 15;
    Settings.ctime = 15;
    Settings.n = 1;
    const Moments seen = play(2 * 302 + 1);
    EXPECT_EQ(seen.frenchIn, QList<int>({1, 303, 605}));
    EXPECT_EQ(seen.englishIn, QList<int>({151, 453}));
    EXPECT_EQ(seen.selections, QList<int>({303, 605})) << "with n = 1 every cycle is new";
}

TEST_F(Playback, englishFirstRaisesTheEnglishThenSlidesTheFrenchIn) {
    Settings.ce = 0;
    Settings.etime = 6;
    Settings.ctime = 4;
    const Moments seen = play(2 * 102 + 1);
    EXPECT_EQ(seen.englishIn, QList<int>({1, 103, 205}));
    EXPECT_EQ(seen.englishOut, QList<int>({41, 143}));
    EXPECT_EQ(seen.frenchIn, QList<int>({41, 143}));
    EXPECT_EQ(seen.frenchOut, QList<int>({102, 204}));
    EXPECT_EQ(peedy.calls.count("Play:Wave"), 2) << "the character speaks when the French starts";
}

TEST_F(Playback, frozenCycleResumesWhereItStoodWithTheNewSettings) {
    play(60); // into the English of the first cycle
    ASSERT_EQ(gintPhase, 3);
    timers.Timer5.setEnabled(false);
    const int16_t tick = gintTick;
    Settings.ctime = 10;
    countdownTicks(20);
    EXPECT_EQ(gintTick, tick);
    const Moments seen = play(200);
    EXPECT_EQ(seen.englishOut, QList<int>({92})) << "the English now stays until 15 s";
}

TEST_F(Playback, slideInAndSlideUpRunTheirCourseAndStop) {
    timers.Timer4.setEnabled(true);
    timers.Timer4_Timer();
    EXPECT_EQ(bar.label1, QString(36, ' ') + bar.frenchText);
    for (int i = 0; i < 34; ++i)
        timers.Timer4_Timer();
    EXPECT_TRUE(timers.Timer4.Enabled());
    timers.Timer4_Timer();
    EXPECT_EQ(bar.label1, " " + bar.frenchText);
    EXPECT_FALSE(timers.Timer4.Enabled());
    EXPECT_EQ(timers.mintSlide, 0);

    timers.Timer3.setEnabled(true);
    int ticks = 0;
    while (timers.Timer3.Enabled() && ticks < 100) {
        timers.Timer3_Timer();
        ++ticks;
    }
    EXPECT_EQ(ticks, 35) << "34 moves of 10 twips, stopping on the 35th tick";
    EXPECT_EQ(bar.label2Top, 60);
    EXPECT_EQ(bar.label2, " " + bar.englishText);
}

TEST_F(Playback, speechStepSpeaksOnlyWithTheVoiceOnAndAlwaysWaves) {
    play(1);
    EXPECT_EQ(peedy.calls, QStringList({"Speak:" + bar.frenchText, "Play:Wave"}));

    peedy.calls.clear();
    Settings.voice = 0;
    play(82);
    EXPECT_EQ(peedy.calls, QStringList({"Play:Wave"}));
}

TEST_F(Playback, failingOrMissingCharacterLeavesTheCycleUnchanged) {
    peedy.failure = "no speech engine";
    const Moments failing = play(83);
    EXPECT_EQ(failing.frenchIn, QList<int>({1, 83}));
    bar.agent = nullptr;
    const Moments missing = play(82);
    EXPECT_EQ(missing.frenchIn, QList<int>({82}));
}

class AutoHide : public Playback {
protected:
    void SetUp() override {
        Playback::SetUp();
        Settings.visi = 1;
        countdownTicks(70);
    }
};

TEST_F(AutoHide, barCollapsesWhenThePointerLeavesAndOpensOnlyFromTheTopRows) {
    pointer.at = {500, 300};
    countdownTicks(1);
    EXPECT_EQ(bar.height, 20);

    pointer.at = {500, 4};
    countdownTicks(1);
    EXPECT_EQ(bar.height, 20) << "y = 4 is below the top four rows";
    pointer.at = {500, 3};
    countdownTicks(1);
    EXPECT_EQ(bar.height, 340);
    pointer.at = {500, 15};
    countdownTicks(1);
    EXPECT_EQ(bar.height, 340) << "an open bar stays open while the pointer is on it";
    pointer.at = {900, 3};
    countdownTicks(1);
    EXPECT_EQ(bar.height, 20) << "beside the bar";
}

TEST_F(AutoHide, neverCollapsesWithAutoHideOffOrDuringTheWelcome) {
    pointer.at = {500, 300};
    Settings.visi = 0;
    countdownTicks(3);
    EXPECT_EQ(bar.height, 340);
    Settings.visi = 1;
    gintStartCount = 10;
    countdownTicks(3);
    EXPECT_EQ(bar.height, 340);
}

TEST_F(AutoHide, collapsedBarBlinksGreenAndRedAndClearsAtFullHeightOrWhileDragged) {
    pointer.at = {500, 300};
    countdownTicks(1);
    timers.Timer2_Timer();
    EXPECT_EQ(bar.line, 0x00FF00u);
    timers.Timer2_Timer();
    EXPECT_EQ(bar.line, 0xFF0000u);
    timers.Timer2_Timer();
    EXPECT_EQ(bar.line, 0x00FF00u);

    bar.isDragging = true;
    timers.Timer2_Timer();
    EXPECT_FALSE(bar.line);
    bar.isDragging = false;
    pointer.at = {500, 2};
    countdownTicks(1);
    timers.Timer2_Timer();
    EXPECT_FALSE(bar.line);
}

} // namespace
