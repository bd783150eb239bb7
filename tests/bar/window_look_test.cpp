// Uncut captions, the bar's two lines and its collapsed strip's line. The menu picture, the
// dialogs' window states, About's place and the tooltips are checked by e2e/uifix_e2e.sh.
#include "bar/form1.h"
#include "fakes/fake_agent.h"
#include "fakes/fake_window_system.h"
#include "forms/picture_box.h"
#include "playback/playback_timers.h"
#include "settings_dialog/form3.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

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

// The first and last rows of white text on the bar, below its top strip.
QPair<int, int> inkRows(Form1& bar) {
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

TEST(BarLines, englishRestsOnTheFrenchBaselineAndAnExpandedBarShowsNoStripLine) {
    FakeWindowSystem windows;
    FakeAgentControl agent;
    Form1 bar(agent, windows);
    bar.Get_Windows_Rect();
    const QString tails = QStringLiteral(" gypq (Jg) [y]");
    bar.setLabel1(tails);
    const QPair<int, int> french = inkRows(bar);
    bar.setLabel1(QStringLiteral(" "));
    bar.setLabel2(tails);
    bar.setLabel2Top(PlaybackTimers::kLabel2Raised);
    EXPECT_EQ(inkRows(bar), french);
    EXPECT_LT(french.second, bar.Shape1->geometry().bottom()) << "above the dark bottom edge";
    bar.setLabel2Top(PlaybackTimers::kLabel2Raised + 150);
    EXPECT_EQ(inkRows(bar).first, french.first + 10) << "rising moves the text with the line";

    for (const bool drag : {false, true}) {
        bar.setHeight(PlaybackTimers::kCollapsedHeight);
        bar.drawBottomLine(0x00FF00);
        drag ? (bar.Label_MouseDown(), bar.Label_MouseMove()) : bar.setHeight(Form1::kFullHeight);
        EXPECT_FALSE(bar.lineColour().isValid()) << (drag ? "dragged" : "polled");
        bar.Label_MouseUp();
    }
}

} // namespace
