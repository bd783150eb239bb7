// The bar's chrome over a fake bar and pointer: the welcome, auto-hide and the blinking line.
#include "support/play_cycle.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

class Chrome : public ::testing::Test, protected PlayCycleOnFakes {
protected:
    void SetUp() override {
        QObject::connect(&chrome, &BarChrome::splashCloseRequested, [this] { ++splashCloses; });
    }
    void countdown(int ticks) {
        while (ticks-- > 0)
            chrome.onWelcomeTick();
    }
    int splashCloses = 0;
};

TEST_F(Chrome, welcomeScrollsInShowsTheBarAtFiftyAndStartsPlaybackAtTwo) {
    const QString welcome = " Welcome to use Dorvane V1.01.";
    const struct {
        int ticks, blanks;
        bool shown, playing;
    } steps[] = {{1, 49, false, false}, {18, 31, false, false}, {1, 30, true, false},
                 {30, 0, true, false},  {17, 0, true, false},   {1, -1, true, true}};
    for (const auto& step : steps) {
        countdown(step.ticks);
        EXPECT_EQ(bar.frenchLine, step.blanks < 0 ? " " : QString(step.blanks, ' ') + welcome);
        EXPECT_EQ(bar.visible, step.shown) << "count " << chrome.welcomeCountdown();
        EXPECT_EQ(cycle.isRunning(), step.playing) << "count " << chrome.welcomeCountdown();
        EXPECT_EQ(splashCloses > 0, step.shown);
    }
    countdown(7);
    EXPECT_EQ(chrome.welcomeCountdown(), 1) << "the count rests, 1 to 0 and back";
}

TEST_F(Chrome, aDialogOpenAsTheWelcomeEndsKeepsPlayFromStarting) {
    playback.gate().open();
    countdown(75);
    playback.gate().close();
    countdown(10);
    EXPECT_FALSE(cycle.isRunning()) << "only the settings dialog's closing starts play then";
}

TEST_F(Chrome, autoHideCollapsesAwayFromTheBarAndReopensOnlyFromTheTopFourRows) {
    const struct {
        int16_t visi;
        QPoint at;
        int ticks, height;
    } steps[] = {{1, {500, 300}, 3, 340}, // never during the welcome; any visi but 0 hides
                 {1, {500, 300}, 70, 20}, {1, {500, 4}, 1, 20}, {1, {500, 3}, 1, 340},
                 {1, {500, 15}, 1, 340},  {2, {900, 3}, 1, 20}, {0, {900, 3}, 1, 340}};
    for (const auto& step : steps) {
        settings.autoHide = step.visi, pointer.at = step.at;
        countdown(step.ticks);
        EXPECT_EQ(bar.height, step.height) << step.at.x() << "," << step.at.y();
    }
}

// Collapsed, the bottom line blinks green and red; it clears at full height or while dragged.
TEST_F(Chrome, collapsedStripBlinksOnlyWhileCollapsedAndNotDragged) {
    bar.height = 20;
    std::vector<std::optional<RgbColour>> lines;
    for (auto [dragging, height] :
         {std::pair{false, 20}, {false, 20}, {false, 20}, {true, 20}, {false, 340}, {false, 20}}) {
        bar.isDragging = dragging, bar.height = height;
        chrome.onBlinkTick();
        lines.push_back(bar.line);
    }
    EXPECT_EQ(lines, (std::vector<std::optional<RgbColour>>{0x00FF00, 0xFF0000, 0x00FF00,
                                                            std::nullopt, std::nullopt, 0xFF0000}))
        << "the colours go on alternating while the line is cleared";
}

} // namespace
