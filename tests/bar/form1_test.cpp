// The bar as created, dragging it, the menu under its picture, and its rectangle, on a fake
// screen.
#include "about/form4.h"
#include "about/form7.h"
#include "forms/bar_label.h"
#include "support/desktop.h"

#include <QMenu>

namespace {

class Bar : public Desktop {
protected:
    void SetUp() override {
        Desktop::SetUp();
        bar.setMenu(&form2);
        bar.popupMenu = [this](QMenu& menu, QPoint at) { opened << &menu, openedAt = at; };
        bar.setTop(0);
        bar.makeTopmost();
        bar.Get_Windows_Rect();
    }

    // The pointer as the 60 ms poll last saw it.
    void pointerAt(int x, int y) {
        windows.cursor = {x, y};
        bar.timers.Timer1_Timer();
    }

    QList<QMenu*> opened;
    QPoint openedAt;
};

TEST_F(Bar, isPlacedTopmostAtTheRoundedPixelAndDragsFromAnyLabelSnappingBackToTheTop) {
    EXPECT_EQ(windows.topmost, QRect(379, 0, 477, 118)) << "5680 twips is pixel 378.67";
    EXPECT_EQ(bar.geometry(), QRect(379, 0, 477, 23));
    const RECT& rc = bar.mrcBar;
    EXPECT_EQ(QRect(rc.left, rc.top, rc.right - rc.left, rc.bottom), QRect(379, 0, 477, 23));
    EXPECT_EQ(bar.Height(), 340) << "kept in twips, not read back as 345";

    pointerAt(400, 10);
    bar.Label_MouseMove();
    EXPECT_EQ(windows.moves, 0) << "a move without a press does nothing";
    bar.setHeight(20);
    emit bar.Label4->MouseDown();
    pointerAt(500, 200);
    emit bar.Label4->MouseMove();
    EXPECT_EQ(bar.geometry(), QRect(479, 190, 477, 23)) << "down and across, at full size";
    EXPECT_EQ(bar.mrcBar.left, 379) << "the rectangle waits for the release";
    emit bar.Label2->MouseUp();
    EXPECT_FALSE(bar.mblnDragging);
    EXPECT_EQ(bar.geometry(), QRect(479, 0, 477, 23));
    EXPECT_EQ(bar.mrcBar.left, 479);
}

TEST_F(Bar, releaseKeepsTheLeftEdgeOnTheScreenAndOnANarrowScreenTheRightRuleWins) {
    pointerAt(400, 10);
    for (auto [screenWidth, x, left] :
         {std::tuple{1024, 0, 0}, {1024, 1000, 1024 * 15 - 7110}, {400, 400, 400 * 15 - 7110}}) {
        windows.screen = QSize(screenWidth, 300);
        bar.Label_MouseDown();
        pointerAt(x, 10);
        bar.Label_MouseMove();
        bar.Label_MouseUp();
        EXPECT_FLOAT_EQ(bar.Left(), left) << screenWidth << " " << x;
    }
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

TEST_F(Bar, bottomLineCoversTheCollapsedStripAboveEveryControlAndTooltipsFollowSequences) {
    bar.show();
    bar.setHeight(20);
    bar.drawBottomLine(0x00FF00);
    const QWidget* line = bar.findChild<QWidget*>("BottomLine");
    EXPECT_EQ(line->geometry(), QRect(0, 0, 477, 1));
    EXPECT_EQ(bar.children().last(), line) << "above Label3, which also lies on row 0";
    EXPECT_EQ(bar.lineColour(), QColor(0, 255, 0));
    bar.Cls();
    EXPECT_FALSE(line->isVisible());

    // In sequence mode the tooltips follow the sentence; in random mode they stay.
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
    EXPECT_EQ(QStringList({bar.Label1->toolTip(), bar.Label2->toolTip()}),
              QStringList({"Salut!", "Hi!  "}));
}

TEST_F(Bar, isAToolAboveOthersNeverTakingTheFocusWithItsControlsInPlace) {
    EXPECT_EQ(bar.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(bar.windowFlags().testFlag(Qt::WindowStaysOnTopHint) &&
                bar.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_EQ(bar.Label1->geometry(), QRect(0, 3, 885, 19)) << "wider than the bar";
    EXPECT_EQ(bar.Label2->geometry(), QRect(0, 27, 443, 22));
    EXPECT_EQ(bar.childAt(bar.Image1->geometry().center()), bar.Image1);
    EXPECT_EQ(bar.childAt(QPoint(100, 12)), bar.Label1) << "Shape1 lets the mouse through";

    // The splash and the About window are borderless pictures, edge to edge.
    Form4 splash(bar);
    Form7 about(*bar.Image1);
    for (PictureWindow* window : {static_cast<PictureWindow*>(&splash), (PictureWindow*)&about}) {
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_EQ(window->Image1->geometry(), window->rect());
    }
}

} // namespace
