// What the learner sees of the bar's two lines: where their letters stand, the collapsed
// strip's line, and the sentence tooltips of the sequence mode.
#include "bar/form1.h"
#include "fakes/fake_agent.h"
#include "fakes/fake_window_system.h"
#include "forms/bar_label.h"
#include "forms/picture_box.h"
#include "playback/playback_timers.h"

#include <QApplication>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>

namespace {

class BarLines : public ::testing::Test {
protected:
    void SetUp() override {
        bar.setLeft(0);
        bar.makeTopmost();
        bar.Get_Windows_Rect();
        bar.show();
    }

    // The first and last pixel rows of white text left of the menu picture, bar coordinates,
    // below the light strip along the top edge.
    QPair<int, int> inkRows() {
        const QImage image = bar.grab().toImage();
        int first = -1, last = -1;
        for (int y = bar.Label3->height(); y < image.height(); ++y)
            for (int x = 0; x < bar.Image1->x() - 10; ++x)
                if (qGray(image.pixel(x, y)) > 160) {
                    first = first < 0 ? y : first;
                    last = y;
                    break;
                }
        return {first, last};
    }

    FakeWindowSystem windows;
    FakeAgentControl agent;
    Form1 bar{agent, windows};
};

TEST_F(BarLines, theRaisedEnglishSharesTheFrenchBaselineWithItsTailsInsideTheBar) {
    const QString tails = QStringLiteral(" gypq (Jg) [y]");
    bar.setLabel1(tails);
    const QPair<int, int> french = inkRows();
    bar.setLabel1(QStringLiteral(" "));
    bar.setLabel2(tails);
    bar.setLabel2Top(PlaybackTimers::kLabel2Raised);
    const QPair<int, int> english = inkRows();

    ASSERT_GE(french.first, 0) << "the French line shows";
    EXPECT_EQ(english, french) << "the same letters on the same rows";
    EXPECT_LT(english.second, bar.Shape1->geometry().bottom()) << "above the dark bottom edge";

    // Rising keeps its distances: each 10-twip step moves the line, never the text in it.
    bar.setLabel2Top(PlaybackTimers::kLabel2Raised + 150);
    EXPECT_EQ(inkRows().first, french.first + 10);
}

TEST_F(BarLines, aBarThatExpandsShowsNoLineOfTheCollapsedStrip) {
    bar.setHeight(PlaybackTimers::kCollapsedHeight);
    bar.drawBottomLine(0xFF0000);
    ASSERT_TRUE(bar.lineColour().isValid());
    bar.setHeight(Form1::kFullHeight);
    EXPECT_FALSE(bar.lineColour().isValid()) << "expanded by the auto-hide poll";

    bar.setHeight(PlaybackTimers::kCollapsedHeight);
    bar.drawBottomLine(0x00FF00);
    bar.Label_MouseDown();
    bar.Label_MouseMove();
    EXPECT_FALSE(bar.lineColour().isValid()) << "expanded by a drag";
    bar.Label_MouseUp();
}

// Tooltips that wake up at once, so the test needs no wait.
class ImmediateTips : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

// Counts the requests to show a tooltip that reach a widget.
class TooltipRequests : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::ToolTip;
        return false;
    }
};

TEST_F(BarLines, sequenceTooltipsShowWhileThePointerRestsOnTheInactiveBar) {
    bar.selectSentence = [](QString& french, QString& english) {
        french = QStringLiteral("Salut!  ");
        english = QStringLiteral("Hi!  ");
        return true;
    };
    bar.SelectNextSentence();
    bar.setLabel1(bar.mstrFrench);
    ImmediateTips style;
    bar.Label1->setStyle(&style);
    TooltipRequests requests;
    bar.Label1->installEventFilter(&requests);

    // The learner works in another window while the pointer rests on the bar.
    QWidget work;
    work.show();
    QApplication::setActiveWindow(&work);
    ASSERT_FALSE(bar.isActiveWindow());
    const QPoint at(30, 8);
    QMouseEvent rest(QEvent::MouseMove, at, bar.Label1->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QSpontaneKeyEvent::setSpontaneous(&rest); // as the window system delivers it
    QApplication::instance()->notify(bar.Label1, &rest);
    for (int i = 0; i < 5 && requests.count == 0; ++i)
        QApplication::processEvents();

    EXPECT_EQ(requests.count, 1);
    EXPECT_EQ(bar.Label1->toolTip(), "Salut!  ");
    QToolTip::hideText();
    bar.Label1->setStyle(nullptr);
}

} // namespace
