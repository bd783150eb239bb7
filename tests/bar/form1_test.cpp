// Dragging the bar, the menu under its picture, and its rectangle, on a fake screen.
#include "bar/form1.h"
#include "fakes/fake_agent.h"
#include "fakes/fake_window_system.h"
#include "forms/bar_label.h"
#include "forms/form2.h"
#include "forms/picture_box.h"

#include <QMenu>
#include <gtest/gtest.h>

namespace {

class Bar : public ::testing::Test {
protected:
    void SetUp() override {
        bar.setMenu(&form2);
        bar.popupMenu = [this](QMenu& menu, QPoint at) {
            opened << &menu;
            openedAt = at;
        };
        bar.setLeft(5680);
        bar.setTop(0);
        bar.makeTopmost();
        bar.Get_Windows_Rect();
    }

    // The pointer as the 60 ms poll last saw it.
    void pointerAt(int x, int y) {
        windows.cursor = {x, y};
        bar.timers.Timer1_Timer();
    }
    void dragTo(int x, int y) {
        bar.Label_MouseDown();
        pointerAt(x, y);
        bar.Label_MouseMove();
        bar.Label_MouseUp();
    }

    FakeWindowSystem windows;
    FakeAgentControl agent;
    Form1 bar{agent, windows};
    Form2 form2;
    QList<QMenu*> opened;
    QPoint openedAt;
};

TEST_F(Bar, isPlacedTopmostAtTheRoundedPixelWithItsRectangleCaptured) {
    EXPECT_EQ(windows.topmost, QRect(379, 0, 477, 118)) << "5680 twips is pixel 378.67";
    EXPECT_EQ(bar.geometry(), QRect(379, 0, 477, 23));
    const RECT& rc = bar.mrcBar;
    EXPECT_EQ(QRect(rc.left, rc.top, rc.right - rc.left, rc.bottom), QRect(379, 0, 477, 23));
    EXPECT_EQ(bar.Height(), 340) << "kept in twips, not read back as 345";
}

TEST_F(Bar, dragFollowsTheSampledPointerAndReleaseSnapsBackToTheTopEdge) {
    pointerAt(400, 10);
    bar.Label_MouseDown();
    pointerAt(500, 200);
    bar.Label_MouseMove();
    EXPECT_EQ(bar.geometry(), QRect(479, 190, 477, 23)) << "down and across, at full size";
    EXPECT_EQ(bar.mrcBar.left, 379) << "the rectangle waits for the release";
    bar.Label_MouseUp();
    EXPECT_FALSE(bar.mblnDragging);
    EXPECT_EQ(bar.geometry(), QRect(479, 0, 477, 23));
    EXPECT_EQ(bar.mrcBar.left, 479);
}

TEST_F(Bar, anyLabelDragsEvenACollapsedBarAndAMoveWithoutAPressDoesNothing) {
    pointerAt(600, 100);
    bar.Label_MouseMove();
    EXPECT_EQ(windows.moves, 0);
    bar.setHeight(20);
    emit bar.Label4->MouseDown();
    emit bar.Label4->MouseMove();
    EXPECT_EQ(bar.height(), 23) << "back at full height";
    emit bar.Label2->MouseUp();
    EXPECT_EQ(windows.moves, 1);
    EXPECT_FALSE(bar.mblnDragging);
}

TEST_F(Bar, releaseKeepsTheLeftEdgeOnTheScreenAndOnANarrowScreenTheRightRuleWins) {
    pointerAt(400, 10);
    dragTo(0, 10);
    EXPECT_FLOAT_EQ(bar.Left(), 0);
    dragTo(1000, 10);
    EXPECT_FLOAT_EQ(bar.Left(), 1024 * 15 - 7110);
    windows.screen = QSize(400, 300);
    dragTo(400, 10);
    EXPECT_FLOAT_EQ(bar.Left(), 400 * 15 - 7110);
}

TEST_F(Bar, hoveringThePictureOpensTheMenuRightAlignedUnderTheBarUnlessItIsDisabled) {
    emit bar.Image1->MouseMove();
    emit bar.Image1->MouseMove();
    ASSERT_EQ(opened, (QList<QMenu*>{form2.mnu_file, form2.mnu_file}));
    EXPECT_EQ(openedAt, bar.mapToGlobal(QPoint(474 - form2.mnu_file->sizeHint().width(), 23)));
    bar.Image1->setEnabled(false);
    bar.Image1_MouseMove();
    EXPECT_EQ(opened.size(), 2);
}

TEST_F(Bar, bottomLineCoversTheCollapsedStripAboveEveryControl) {
    bar.show();
    bar.setHeight(20);
    bar.drawBottomLine(0x00FF00);
    const QWidget* line = bar.findChild<QWidget*>("BottomLine");
    EXPECT_EQ(line->geometry(), QRect(0, 0, 477, 1));
    EXPECT_EQ(bar.children().last(), line) << "above Label3, which also lies on row 0";
    EXPECT_EQ(bar.lineColour(), QColor(0, 255, 0));
    bar.Cls();
    EXPECT_FALSE(line->isVisible());
}

TEST_F(Bar, sequenceModeSetsTheTooltipsFromTheSentence) {
    bool sequence = true;
    bar.selectSentence = [&](QString& french, QString& english) {
        french = sequence ? "Salut!" : "Coucou!";
        english = "Hi!  ";
        return sequence;
    };
    bar.SelectNextSentence();
    sequence = false;
    bar.SelectNextSentence();
    EXPECT_EQ(bar.mstrFrench, "Coucou!");
    EXPECT_EQ(bar.Label1->toolTip(), "Salut!") << "random mode leaves the tooltips";
    EXPECT_EQ(bar.Label2->toolTip(), "Hi!  ");
}

} // namespace
