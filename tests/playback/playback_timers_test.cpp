#include "app/module1.h"
#include "fakes/fake_agent.h"
#include "fakes/fake_caption_bar.h"
#include "playback/playback_timers.h"

#include <gtest/gtest.h>

namespace {

const QString kWelcome = " Welcome to use Dorvane V1.01.";
using Ticks = QList<int>;

class Playback : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = SettingsRecord{};
        Settings.ce = 1, Settings.n = 2, Settings.etime = 5, Settings.ctime = 3;
        Settings.voice = 1;
        gintRepeat = 0;
        timers.armForStartUp();
        bar.agent = &peedy;
        bar.SelectNextSentence(); // chosen at start-up
    }

    void countdown(int ticks) {
        for (int i = 0; i < ticks; ++i)
            timers.Timer1_Timer();
    }

    // Runs the play cycle for this many 100 ms ticks, letting each slide finish between ticks,
    // and notes the ticks on which the French slid in, the English rose, and a sentence was chosen.
    struct Seen {
        Ticks french, english, selected;
    };
    Seen play(int ticks) {
        Seen seen;
        for (int tick = 1; tick <= ticks; ++tick) {
            const int selections = bar.selections;
            timers.Timer5_Timer();
            if (timers.Timer4.Enabled())
                seen.french << tick;
            if (timers.Timer3.Enabled())
                seen.english << tick;
            if (bar.selections != selections)
                seen.selected << tick;
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

TEST_F(Playback, welcomeCountdownScrollsShowsTheBarOnTick20AndStartsPlaybackOnTick68) {
    countdown(1);
    EXPECT_EQ(bar.label1, QString(49, ' ') + kWelcome);
    countdown(18);
    EXPECT_FALSE(bar.visible);
    countdown(1); // count 50
    EXPECT_TRUE(bar.visible);
    EXPECT_EQ(bar.splashCloses, 1);
    EXPECT_EQ(bar.label1, QString(30, ' ') + kWelcome);
    countdown(30); // count 20: the text stands still from here to 3
    EXPECT_EQ(bar.label1, kWelcome);
    countdown(17);
    EXPECT_FALSE(timers.Timer5.Enabled());
    countdown(1); // count 2
    EXPECT_EQ(bar.label1, " ");
    EXPECT_TRUE(timers.Timer5.Enabled());
    countdown(7);
    EXPECT_EQ(gintStartCount, 1) << "the count rests, 1 to 0 and back";
}

TEST_F(Playback, countdownLeavesPlaybackStoppedWhileADialogIsOpen) {
    bar.image1Enabled = false;
    countdown(75);
    bar.image1Enabled = true;
    countdown(10);
    EXPECT_FALSE(timers.Timer5.Enabled()) << "only closing the settings dialog starts it now";
}

TEST_F(Playback, cycleShowsEachLanguageForItsTimeAndEachSentenceNTimes) {
    struct Case {
        int16_t ce, etime, ctime, n;
        int ticks;
        Ticks french, english, selected;
    };
    const Case cases[] = {
        // French 5.0 s, English 3.1 s, a cycle 8.2 s, two cycles per sentence.
        {1, 5, 3, 2, 247, {1, 83, 165, 247}, {51, 133, 215}, {165}},
        {1, 15, 15, 1, 605, {1, 303, 605}, {151, 453}, {303, 605}},
        // English first: 4 s of English, then 6.1 s of French.
        {0, 6, 4, 2, 205, {41, 143}, {1, 103, 205}, {205}},
    };
    for (const Case& c : cases) {
        Settings.ce = c.ce, Settings.etime = c.etime, Settings.ctime = c.ctime, Settings.n = c.n;
        gintPhase = gintTick = gintRepeat = 0;
        bar.selections = 0;
        const Seen seen = play(c.ticks);
        EXPECT_EQ(seen.french, c.french) << "ce " << c.ce << " etime " << c.etime;
        EXPECT_EQ(seen.english, c.english) << "ce " << c.ce << " etime " << c.etime;
        EXPECT_EQ(seen.selected, c.selected) << "ce " << c.ce << " etime " << c.etime;
    }
}

TEST_F(Playback, frozenCycleResumesWhereItStoodWithSettingsChangedMeanwhile) {
    play(60);
    ASSERT_EQ(gintPhase, 3);
    const int16_t tick = gintTick;
    timers.Timer5.setEnabled(false);
    Settings.ctime = 10;
    countdown(20);
    EXPECT_EQ(gintTick, tick);
    EXPECT_EQ(play(200).french, Ticks({93})) << "the English now stays until 15 s";
}

TEST_F(Playback, slidesRunTheirCourseAndStop) {
    timers.Timer4.setEnabled(true);
    timers.Timer4_Timer();
    EXPECT_EQ(bar.label1, QString(36, ' ') + bar.frenchText);
    int ticks = 1;
    for (; timers.Timer4.Enabled() && ticks < 100; ++ticks)
        timers.Timer4_Timer();
    EXPECT_EQ(ticks, 36);
    EXPECT_EQ(bar.label1, " " + bar.frenchText);

    timers.Timer3.setEnabled(true);
    for (ticks = 0; timers.Timer3.Enabled() && ticks < 100; ++ticks)
        timers.Timer3_Timer();
    EXPECT_EQ(ticks, 35) << "34 moves of 10 twips from 400, stopping on the 35th tick";
    EXPECT_EQ(bar.label2Top, 60);
    EXPECT_EQ(bar.label2, " " + bar.englishText);
}

TEST_F(Playback, speechStepSpeaksWithTheVoiceOnWavesAlwaysAndIgnoresFailures) {
    play(1);
    EXPECT_EQ(peedy.calls, QStringList({"Speak:" + bar.frenchText, "Play:Wave"}));
    peedy.calls.clear();
    Settings.voice = 0;
    peedy.failure = "no speech engine";
    EXPECT_EQ(play(82).french, Ticks({82})) << "the cycle goes on unchanged";
    EXPECT_EQ(peedy.calls, QStringList({"Play:Wave"}));
    bar.agent = nullptr;
    EXPECT_EQ(play(82).french, Ticks({82}));
}

TEST_F(Playback, autoHideCollapsesAwayFromTheBarAndReopensOnlyFromTheTopFourRows) {
    pointer.at = {500, 300};
    Settings.visi = 1;
    countdown(3);
    EXPECT_EQ(bar.height, 340) << "never during the welcome";
    countdown(70);
    EXPECT_EQ(bar.height, 20);
    const struct {
        POINT at;
        double height;
    } steps[] = {{{500, 4}, 20}, {{500, 3}, 340}, {{500, 15}, 340}, {{900, 3}, 20}};
    for (const auto& step : steps) {
        pointer.at = step.at;
        countdown(1);
        EXPECT_EQ(bar.height, step.height) << step.at.x << "," << step.at.y;
    }
    Settings.visi = 0;
    countdown(1);
    EXPECT_EQ(bar.height, 340);
}

TEST_F(Playback, collapsedBarBlinksGreenAndRedAndClearsAtFullHeightOrWhileDragged) {
    bar.height = 20;
    std::vector<std::optional<RgbColour>> lines;
    for (bool dragging : {false, false, false, true}) {
        bar.isDragging = dragging;
        timers.Timer2_Timer();
        lines.push_back(bar.line);
    }
    bar.height = 340;
    timers.Timer2_Timer();
    lines.push_back(bar.line);
    EXPECT_EQ(lines, (std::vector<std::optional<RgbColour>>{0x00FF00, 0xFF0000, 0x00FF00,
                                                            std::nullopt, std::nullopt}));
}

} // namespace
