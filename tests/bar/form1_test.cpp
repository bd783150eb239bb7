// The bar on a fake screen: dragging it, its lines of text, its collapsed strip's line, and the
// settings dialog's captions. Its place, the menu, the dialogs' window states and the tooltips are
// checked by the end-to-end scripts.
#include "forms/bar_label.h"
#include "settings_dialog/form3.h"
#include "support/desktop.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>

namespace {

class Bar : public Desktop {
protected:
    void SetUp() override {
        Desktop::SetUp();
        bar.setTop(0);
        bar.makeTopmost();
        bar.Get_Windows_Rect();
    }

    // The pointer as the 60 ms poll last saw it.
    void pointerAt(int x, int y) {
        windows.cursor = {x, y};
        bar.timers.Timer1_Timer();
    }

    // The first and last rows of white text on the bar, below its top strip.
    QPair<int, int> inkRows() {
        const QImage image = bar.grab(QRect(0, 1, bar.Image1->x() - 10, bar.height())).toImage();
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

TEST_F(Bar, dragsFromAnyLabelAtFullSizeAndSnapsBackToTheTopOnRelease) {
    EXPECT_EQ(bar.Height(), 340) << "kept in twips, not read back as 345";
    EXPECT_EQ(bar.childAt(QPoint(100, 12)), bar.Label1) << "Shape1 lets the mouse through";
    pointerAt(400, 10);
    bar.Label_MouseMove();
    EXPECT_EQ(bar.geometry(), QRect(379, 0, 477, 23)) << "a move without a press does nothing";
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

TEST_F(Bar, aDisabledPictureOpensNoMenu) {
    bar.setMenu(&form2);
    int opened = 0;
    bar.popupMenu = [&](QMenu&, QPoint) { ++opened; };
    bar.Image1_MouseMove();
    bar.Image1->setEnabled(false);
    bar.Image1_MouseMove();
    EXPECT_EQ(opened, 1);
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

TEST_F(Bar, englishRestsOnTheFrenchBaseline) {
    const QString tails = QStringLiteral(" gypq (Jg) [y]");
    bar.setLabel1(tails);
    const QPair<int, int> french = inkRows();
    bar.setLabel1(QStringLiteral(" "));
    bar.setLabel2(tails);
    bar.setLabel2Top(PlaybackTimers::kLabel2Raised);
    EXPECT_EQ(inkRows(), french);
    EXPECT_LT(french.second, bar.Shape1->geometry().bottom()) << "above the dark bottom edge";
    bar.setLabel2Top(PlaybackTimers::kLabel2Raised + 150);
    EXPECT_EQ(inkRows().first, french.first + 10) << "rising moves the text with the line";
}

TEST_F(Bar, stripLineCoversTheStripAboveEveryControlAndGoesAtFullHeightOrWhenDragged) {
    bar.show();
    bar.setHeight(PlaybackTimers::kCollapsedHeight);
    bar.drawBottomLine(0x00FF00);
    const QWidget* line = bar.findChild<QWidget*>("BottomLine");
    EXPECT_EQ(line->geometry(), QRect(0, 0, 477, 1));
    EXPECT_EQ(bar.children().last(), line) << "above Label3, which also lies on row 0";
    EXPECT_EQ(bar.lineColour(), QColor(0, 255, 0));
    bar.Cls();
    EXPECT_FALSE(line->isVisible());

    for (const bool drag : {false, true}) {
        bar.setHeight(PlaybackTimers::kCollapsedHeight);
        bar.drawBottomLine(0x00FF00);
        drag ? (bar.Label_MouseDown(), bar.Label_MouseMove()) : bar.setHeight(Form1::kFullHeight);
        EXPECT_FALSE(bar.lineColour().isValid()) << (drag ? "dragged" : "polled");
        bar.Label_MouseUp();
    }
}

TEST(DialogWindows, noCaptionIsCutOffWithTheFontsOfThisMachine) {
    Form3 dialog;
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractButton*>(control) && !qobject_cast<QLabel*>(control))
            continue;
        // Given room, a cut caption shows ink past the old right edge.
        const int width = control->width();
        control->resize(width + 40, control->height());
        const QImage image = control->grab().toImage();
        for (int x = width; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                ASSERT_EQ(image.pixel(x, y), image.pixel(image.width() - 1, 0))
                    << qPrintable(control->objectName());
    }
}

} // namespace
