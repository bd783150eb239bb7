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

    FakeWindowSystem windows;
    FakeAgentControl agent;
    Form1 bar{agent, windows};
    Form2 form2;
    QList<QMenu*> opened;
    QPoint openedAt;
};

TEST_F(Bar, startUpPlacesTheBarTopmostAtTheRoundedPixelAndCapturesItsRectangle) {
    EXPECT_EQ(windows.topmost, QRect(379, 0, 477, 118)) << "5680 twips is pixel 378.67";
    EXPECT_EQ(bar.geometry(), QRect(379, 0, 477, 23));
    EXPECT_EQ(bar.mrcBar.left, 379);
    EXPECT_EQ(bar.mrcBar.top, 0);
    EXPECT_EQ(bar.mrcBar.right, 856);
    EXPECT_EQ(bar.mrcBar.bottom, 23);
    EXPECT_EQ(bar.Height(), 340) << "the height is kept in twips, not read back as 345";
}

TEST_F(Bar, dragFollowsTheSampledPointerAndReleaseSnapsBackToTheTopEdge) {
    pointerAt(400, 10);
    bar.Label_MouseDown();
    EXPECT_TRUE(bar.mblnDragging);
    EXPECT_EQ(bar.mlngGrabX, 21);
    EXPECT_EQ(bar.mlngGrabY, 10);

    pointerAt(500, 200);
    bar.Label_MouseMove();
    EXPECT_EQ(bar.geometry(), QRect(479, 190, 477, 23)) << "dragged down and across, full size";
    EXPECT_EQ(bar.mrcBar.left, 379) << "the rectangle stays as it was until the release";

    bar.Label_MouseUp();
    EXPECT_FALSE(bar.mblnDragging);
    EXPECT_EQ(bar.geometry(), QRect(479, 0, 477, 23));
    EXPECT_FLOAT_EQ(bar.Left(), 479 * 15);
    EXPECT_EQ(bar.mrcBar.left, 479);
}

TEST_F(Bar, moveWithoutAPressDoesNothingAndAnyLabelDrags) {
    const QRect before = bar.geometry();
    pointerAt(600, 100);
    bar.Label_MouseMove();
    EXPECT_EQ(bar.geometry(), before);
    EXPECT_EQ(windows.moves, 0);
    // All four labels run the same handlers, whatever the button.
    emit bar.Label4->MouseDown();
    emit bar.Label4->MouseMove();
    EXPECT_EQ(windows.moves, 1);
    emit bar.Label2->MouseUp();
    EXPECT_FALSE(bar.mblnDragging);
}

TEST_F(Bar, releaseKeepsTheLeftEdgeOnTheScreen) {
    pointerAt(400, 10);
    bar.Label_MouseDown();
    pointerAt(0, 10);
    bar.Label_MouseMove();
    bar.Label_MouseUp();
    EXPECT_FLOAT_EQ(bar.Left(), 0) << "beyond the left edge";

    bar.Label_MouseDown();
    pointerAt(1000, 10);
    bar.Label_MouseMove();
    bar.Label_MouseUp();
    EXPECT_FLOAT_EQ(bar.Left(), 1024 * 15 - 7110) << "beyond the right edge";
    EXPECT_EQ(bar.geometry().left(), 550);
}

TEST_F(Bar, onAScreenNarrowerThanTheBarTheRightEdgeRuleWins) {
    windows.screen = QSize(400, 300);
    bar.Label_MouseDown();
    bar.Label_MouseUp();
    EXPECT_FLOAT_EQ(bar.Left(), 400 * 15 - 7110);
    EXPECT_LT(bar.Left(), 0);
}

TEST_F(Bar, collapsedBarDraggedComesBackAtFullHeight) {
    bar.setHeight(20);
    EXPECT_EQ(bar.height(), 1);
    pointerAt(400, 0);
    bar.Label_MouseDown();
    bar.Label_MouseMove();
    EXPECT_EQ(bar.height(), 23);
    EXPECT_EQ(bar.Height(), 340);
}

TEST_F(Bar, hoveringThePictureOpensTheMenuUnderTheBarsRightEndEveryTime) {
    emit bar.Image1->MouseMove();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.front(), form2.mnu_file);
    const int menuWidth = form2.mnu_file->sizeHint().width();
    EXPECT_EQ(openedAt, bar.mapToGlobal(QPoint(474 - menuWidth, 23)));
    emit bar.Image1->MouseMove();
    EXPECT_EQ(opened.size(), 2) << "again on every movement";
}

TEST_F(Bar, disabledPictureOpensNoMenu) {
    bar.Image1->setEnabled(false);
    bar.Image1_MouseMove();
    EXPECT_TRUE(opened.isEmpty());
    bar.Image1->setEnabled(true);
    bar.Image1_MouseMove();
    EXPECT_EQ(opened.size(), 1);
}

TEST_F(Bar, bottomLineCoversTheWholeCollapsedStripAboveEveryControl) {
    bar.show();
    bar.setHeight(20);
    bar.drawBottomLine(0x00FF00);
    EXPECT_EQ(bar.lineColour(), QColor(0, 255, 0));
    const QWidget* line = bar.findChild<QWidget*>("BottomLine");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->geometry(), QRect(0, 0, 477, 1));
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(bar.children().last(), line) << "drawn above Label3, which also lies on row 0";
    bar.Cls();
    EXPECT_FALSE(bar.lineColour().isValid());
}

TEST_F(Bar, sequenceModeSetsTheTooltipsFromTheSentence) {
    bar.selectSentence = [](QString& french, QString& english) {
        french = "Salut!";
        english = "Hi!  ";
        return true;
    };
    bar.SelectNextSentence();
    EXPECT_EQ(bar.Label1->toolTip(), "Salut!");
    EXPECT_EQ(bar.Label2->toolTip(), "Hi!  ");
    bar.selectSentence = [](QString& french, QString&) {
        french = "Coucou!";
        return false;
    };
    bar.SelectNextSentence();
    EXPECT_EQ(bar.mstrFrench, "Coucou!");
    EXPECT_EQ(bar.Label1->toolTip(), "Salut!") << "random mode leaves the tooltips";
}

} // namespace
