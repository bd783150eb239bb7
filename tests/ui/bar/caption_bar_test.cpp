// The bar on a fake screen: dragging it, its lines of text and its collapsed strip's line. Its
// place, the menu, the dialogs' window states and the tooltips are checked end to end.
#include "support/desktop.h"
#include "ui/bar/bar_label.h"

#include <cstdio>

namespace {

class Bar : public Desktop {
protected:
    void SetUp() override {
        Desktop::SetUp();
        bar.setTopTwips(0);
        bar.makeTopmost();
        bar.captureBarRect();
    }

    // The pointer as the 60 ms poll last saw it.
    void pointerAt(int x, int y) {
        windows.cursor = {x, y};
        bar.chrome().onWelcomeTick();
    }

    // The first and last rows of white text on the bar, below its top strip.
    QPair<int, int> inkRows() {
        const QImage image =
            bar.grab(QRect(0, 1, bar.menuPicture()->x() - 10, bar.height())).toImage();
        QPair<int, int> rows(-1, -1);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) > 160) {
                    rows = {rows.first < 0 ? y + 1 : rows.first, y + 1};
                    break;
                }
        return rows;
    }
};

TEST_F(Bar, dragsFromAnyLabelAtFullSizeAndSnapsBackToTheTopOnTheScreenOnRelease) {
    EXPECT_EQ(bar.barHeight(), 340) << "kept in twips, not read back as 345";
    EXPECT_EQ(bar.childAt(QPoint(100, 12)), bar.frenchLine())
        << "the outline lets the mouse through";
    pointerAt(400, 10);
    bar.onLabelDragged();
    EXPECT_EQ(bar.geometry(), QRect(379, 0, 477, 23)) << "a move without a press does nothing";
    bar.setBarHeight(20);
    emit bar.pictureBackground()->pressed();
    pointerAt(500, 200);
    emit bar.pictureBackground()->dragged();
    EXPECT_EQ(bar.geometry(), QRect(479, 190, 477, 23)) << "down and across, at full size";
    EXPECT_EQ(bar.barRect().left(), 379) << "the rectangle waits for the release";
    emit bar.englishLine()->released();
    EXPECT_FALSE(bar.dragging());
    EXPECT_EQ(bar.geometry(), QRect(479, 0, 477, 23));
    EXPECT_EQ(bar.barRect().left(), 479);

    // The release keeps the left edge on the screen; on a narrow screen the right rule wins.
    for (auto [screenWidth, x, left] :
         {std::tuple{1024, 0, 0}, {1024, 1000, 1024 * 15 - 7110}, {400, 400, 400 * 15 - 7110}}) {
        windows.screen = QSize(screenWidth, 300);
        bar.onLabelPressed();
        pointerAt(x, 10);
        bar.onLabelDragged();
        bar.onLabelReleased();
        EXPECT_FLOAT_EQ(bar.leftTwips(), left) << screenWidth << " " << x;
    }
}

using RunningBar = ApplicationOnFakes;

TEST_F(RunningBar, keepsItsMenuPictureOnAScreenThatShrinksAndStaysAsItWas) {
    store.seed("xxx", "1");
    store.seed("left", "5680");
    program.start();
    CaptionBar& bar = program.bar();
    bar.setBarHeight(20); // collapsed: the pointer is elsewhere
    windows.resizeScreen({640, 480});
    EXPECT_EQ(bar.x(), 166);
    EXPECT_EQ(bar.barRect(), QRect(166, 0, 477, 23)) << "the auto-hide test follows the bar";
    EXPECT_EQ(bar.barHeight(), 20) << "a change of screen opens nothing";
    windows.resizeScreen({1024, 768});
    EXPECT_EQ(bar.x(), 166) << "a wider screen leaves the bar where it is";
}

TEST_F(Bar, englishRestsOnTheFrenchBaseline) {
    const QString tails = QStringLiteral(" gypq (Jg) [y]");
    bar.setFrenchLine(tails);
    const QPair<int, int> french = inkRows();
    bar.setFrenchLine(QStringLiteral(" "));
    bar.setEnglishLine(tails);
    bar.setEnglishLineTop(PlayCycle::kEnglishLineRaised);
    EXPECT_EQ(inkRows(), french);
    EXPECT_LT(french.second, bar.outline()->geometry().bottom()) << "above the dark bottom edge";
    bar.setEnglishLineTop(PlayCycle::kEnglishLineRaised + 150);
    EXPECT_EQ(inkRows().first, french.first + 10) << "rising moves the text with the line";
}

TEST_F(Bar, anOpenDialogOpensNoMenu) {
    int opened = 0;
    QObject::connect(&bar, &CaptionBar::menuRequested, [&] { ++opened; });
    bar.onMenuPictureHovered();
    playback.gate().open();
    bar.onMenuPictureHovered();
    EXPECT_EQ(opened, 1);
}

TEST_F(Bar, stripLineCoversTheStripAboveEveryControl) {
    bar.show();
    bar.setBarHeight(BarChrome::kCollapsedHeight);
    bar.drawBottomLine(0x00FF00);
    const QWidget* line = bar.findChild<QWidget*>("BottomLine");
    EXPECT_EQ(line->geometry(), QRect(0, 0, 477, 1));
    EXPECT_EQ(bar.children().last(), line) << "above the top strip, which also lies on row 0";
    EXPECT_EQ(bar.lineColour(), QColor(0, 255, 0));
    bar.clearBottomLine();
    EXPECT_FALSE(line->isVisible());
}

TEST_F(Bar, stripLineGoesAtFullHeightOrWhenDragged) {
    for (const bool drag : {false, true}) {
        bar.setBarHeight(BarChrome::kCollapsedHeight);
        bar.drawBottomLine(0x00FF00);
        drag ? (bar.onLabelPressed(), bar.onLabelDragged())
             : bar.setBarHeight(CaptionBar::kFullHeight);
        EXPECT_FALSE(bar.lineColour().isValid()) << (drag ? "dragged" : "polled");
        bar.onLabelReleased();
    }
}

// Every sentence of the table in both language orders, played on the bar at the pace of its
// timers (10 ms a step): each line is seen whole, its start at rest and later its end in view,
// and a sentence whose lines both fit takes exactly the 82 ticks a cycle always took.
TEST_F(Bar, everyLineOfTheTableIsSeenWholeAndLinesThatFitKeepTheirTiming) {
    BarLabel* const lines[] = {bar.frenchLine(), bar.englishLine()}; // as BarLine counts them
    const auto atRest = [&](int i) {
        return lines[i]->text() == " " + (i ? playback.english() : playback.french()) &&
               (i == 0 || bar.englishLineTop() == PlayCycle::kEnglishLineRaised);
    };
    int scrolling[2] = {0, 0};
    for (const int16_t frenchFirst : {1, 0}) {
        settings.frenchFirst = frenchFirst, settings.inSequence = 1, settings.topic = 0;
        settings.sequencePosition = SentenceId::kFirst, settings.playsPerSentence = 1;
        settings.readAloud = 0;
        cycle.restartCycle();
        cycle.selectNextSentence();
        for (int sentence = 0; sentence < SentenceId::kNamedTopics * SentenceId::kSentencesPerTopic;
             ++sentence) {
            bool startSeen[2] = {}, endSeen[2] = {}, begun = false;
            int overflow[2] = {}, cycleTicks = 0, ms = 0;
            for (; ms < 60000 && !(begun && cycle.cyclesPlayed() == 1); ms += 10) {
                const bool moved = ms % 100 == 0 || ms % 80 == 0 || ms % 50 == 0 || ms % 40 == 0;
                if (ms % 100 == 0)
                    ++cycleTicks, cycle.onPlayCycleTick();
                if (ms % 80 == 0 && cycle.frenchSlideTimer().isEnabled())
                    cycle.onFrenchSlideTick();
                if (ms % 50 == 0 && cycle.englishRiseTimer().isEnabled())
                    cycle.onEnglishRiseTick();
                if (ms % 40 == 0 && cycle.lineScroll().timer().isEnabled())
                    cycle.lineScroll().onTick();
                begun |= cycle.cyclesPlayed() == 0;
                for (const int i : {0, 1}) {
                    if (!moved || !atRest(i))
                        continue;
                    overflow[i] = bar.lineOverflow(BarLine(i));
                    startSeen[i] |= lines[i]->scroll() == 0;
                    endSeen[i] |= lines[i]->scroll() >= overflow[i];
                }
            }
            const QString what = QStringLiteral("%1 (%2)").arg(
                playback.french(), frenchFirst ? "French first" : "English first");
            ASSERT_LT(ms, 60000) << qPrintable(what) << ": its cycle never ended";
            for (const int i : {0, 1}) {
                EXPECT_TRUE(startSeen[i]) << qPrintable(what);
                EXPECT_TRUE(endSeen[i]) << qPrintable(what);
                scrolling[i] += overflow[i] > 0;
            }
            if (overflow[0] == 0 && overflow[1] == 0) {
                EXPECT_EQ(cycleTicks, 82) << qPrintable(what);
            }
        }
    }
    std::printf("lines that scroll, both orders: %d French, %d English\n", scrolling[0],
                scrolling[1]);
}

} // namespace
