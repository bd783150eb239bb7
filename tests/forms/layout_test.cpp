// The windows as they are created: controls, captions, geometry in pixels, stacking, timers.
#include "about/form4.h"
#include "about/form7.h"
#include "bar/form1.h"
#include "fakes/fake_speech_engine.h"
#include "fakes/fake_window_system.h"
#include "forms/bar_label.h"
#include "forms/form2.h"
#include "forms/picture_box.h"
#include "forms/value_scroll_bar.h"
#include "platform/character/desktop_agent.h"
#include "settings_dialog/form3.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

class Windows : public ::testing::Test {
protected:
    FakeWindowSystem windows;
    DesktopAgent agent{":/art/peedy", [] { return std::make_unique<FakeSpeechEngine>(); }};
    Form1 bar{agent, windows};
};

TEST_F(Windows, barIsAFramelessTopmostToolWindowThatNeverTakesTheFocus) {
    const Qt::WindowFlags flags = bar.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(bar.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(bar.size(), QSize(477, 118));
}

TEST_F(Windows, barControlsSitWhereTheTwipsSayAndStackBackToFront) {
    EXPECT_EQ(bar.Label1->geometry(), QRect(0, 3, 885, 19));
    EXPECT_EQ(bar.Label4->geometry(), QRect(456, 1, 27, 22));
    EXPECT_EQ(bar.Image1->geometry(), QRect(456, 3, 18, 18));
    EXPECT_EQ(bar.Label3->geometry(), QRect(0, 0, 420, 1));
    EXPECT_EQ(bar.Shape1->geometry(), QRect(0, 1, 476, 22));
    EXPECT_EQ(bar.Label2->geometry(), QRect(0, 27, 443, 22));

    QList<QWidget*> order;
    for (QObject* child : bar.children())
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isHidden())
            order << widget;
    EXPECT_EQ(order, (QList<QWidget*>{bar.Label1, bar.Label4, bar.Image1, bar.Label3, bar.Shape1,
                                      bar.Label2}));
    // The picture is above the labels it overlaps, so the pointer over it reaches the picture.
    EXPECT_EQ(bar.childAt(bar.Image1->geometry().center()), bar.Image1);
    EXPECT_EQ(bar.childAt(QPoint(100, 12)), bar.Label1) << "Shape1 lets the mouse through";
    EXPECT_TRUE(bar.Label1->text().isEmpty());
    EXPECT_TRUE(bar.Label2->text().isEmpty());
    EXPECT_EQ(bar.Label1->font().pointSizeF(), 10.5);
    EXPECT_EQ(bar.Label1->palette().color(QPalette::WindowText), QColor(Qt::white));
}

TEST_F(Windows, barTimersStartAsCreated) {
    const Timer* timers[] = {&bar.timers.Timer1, &bar.timers.Timer2, &bar.timers.Timer3,
                             &bar.timers.Timer4, &bar.timers.Timer5};
    const int intervals[] = {60, 1500, 50, 80, 100};
    const bool enabled[] = {true, true, true, true, false};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(timers[i]->Interval(), intervals[i]) << "Timer" << i + 1;
        EXPECT_EQ(timers[i]->Enabled(), enabled[i]) << "Timer" << i + 1;
    }
}

TEST(MenuTree, holdsItsEightItemsInOrderWithTheirCaptions) {
    Form2 form2;
    QStringList names, captions;
    for (QAction* action : form2.mnu_file->actions()) {
        names << action->objectName();
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    EXPECT_EQ(names, QStringList({"mnu_sysset", "mnu_hlp", "mnu_veri", "f1", "mnu_page",
                                  "mnu_email", "f2", "mnu_exit"}));
    EXPECT_EQ(captions, QStringList({"&Settings...", "&Non Read aloud", "&About...", "-",
                                     "&Website", "E_&mail", "-", "Exit"}));
    EXPECT_EQ(form2.mnu_file->title(), "file");
}

TEST(SettingsDialogLayout, isAFixedDialogWithOnlyACloseBox) {
    Form3 dialog;
    EXPECT_EQ(dialog.windowTitle(), "Setting...");
    EXPECT_EQ(dialog.size(), QSize(358, 405));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
}

TEST(SettingsDialogLayout, framesButtonsAndValueLinesArePlacedExactly) {
    Form3 dialog;
    EXPECT_EQ(dialog.Frame1->geometry(), QRect(8, 8, 335, 225));
    EXPECT_EQ(dialog.Frame2->geometry(), QRect(16, 240, 109, 57));
    EXPECT_EQ(dialog.Frame3->geometry(), QRect(144, 240, 196, 57));
    EXPECT_EQ(dialog.Option1[0]->geometry(), QRect(16, 19, 68, 13));
    EXPECT_EQ(dialog.Option1[1]->geometry(), QRect(16, 40, 116, 13));
    EXPECT_EQ(dialog.Option1[10]->geometry(), QRect(16, 184, 100, 13));
    EXPECT_EQ(dialog.Option1[11]->geometry(), QRect(176, 40, 140, 13));
    EXPECT_EQ(dialog.Option1[21]->geometry(), QRect(16, 200, 100, 13));
    EXPECT_EQ(dialog.Option2[1]->parentWidget(), dialog.Frame2);
    EXPECT_EQ(dialog.Option3[1]->geometry(), QRect(9, 33, 178, 19));
    EXPECT_EQ(dialog.Text1[0]->geometry(), QRect(108, 309, 21, 18));
    EXPECT_EQ(dialog.VScroll3->geometry(), QRect(120, 360, 9, 17));
    EXPECT_EQ(dialog.Check1->geometry(), QRect(192, 380, 169, 17));

    EXPECT_EQ(dialog.Label1->text(), "Per sentence play" + QString(14, ' ') + "time.");
    EXPECT_EQ(dialog.Label2->text(), "French Display" + QString(15, ' ') + "second.");
    EXPECT_EQ(dialog.Label3->text(), "English Display" + QString(15, ' ') + "second.");
    EXPECT_EQ(dialog.Option1[4]->text(), "Shopping one ");
    EXPECT_EQ(dialog.Option1[21]->text(), "The Arts");
    for (QRadioButton* button : dialog.Option1)
        EXPECT_FALSE(button->isChecked());
    EXPECT_TRUE(dialog.Option2[0]->isChecked());
    EXPECT_TRUE(dialog.Option3[0]->isChecked());
    EXPECT_EQ(dialog.Text1[1]->text(), "5");

    // Each value's box and bar are drawn over the caption of its line, never under it.
    const QObjectList children = dialog.children();
    EXPECT_GT(children.indexOf(dialog.Text1[2]), children.indexOf(dialog.Label3));
    EXPECT_GT(children.indexOf(dialog.VScroll1), children.indexOf(dialog.Label1));
}

TEST(SettingsDialogLayout, scrollBarsKeepTheirRangesAndUpRaisesTheNumber) {
    Form3 dialog;
    EXPECT_EQ(dialog.VScroll1->Min(), 1);
    EXPECT_EQ(dialog.VScroll1->Max(), 12);
    EXPECT_EQ(dialog.VScroll2->Min(), 5);
    EXPECT_EQ(dialog.VScroll2->Max(), 15);
    EXPECT_EQ(dialog.VScroll3->Min(), 3);
    EXPECT_EQ(dialog.VScroll3->Max(), 15);
    dialog.VScroll2->setValue(7);
    int reported = 0;
    QObject::connect(dialog.VScroll2, &ValueScrollBar::Change, [&](int v) { reported = v; });
    dialog.VScroll2->triggerAction(QAbstractSlider::SliderSingleStepSub); // the up arrow
    EXPECT_EQ(dialog.VScroll2->Value(), 8);
    EXPECT_EQ(reported, 8);
    dialog.VScroll2->triggerAction(QAbstractSlider::SliderToMinimum); // the top end
    EXPECT_EQ(dialog.VScroll2->Value(), 15);
}

TEST(SettingsDialogLayout, tabOrderFollowsTheDesignedIndexes) {
    Form3 dialog;
    const QList<QWidget*> order = dialog.tabOrder();
    ASSERT_EQ(order.size(), 15 + 22 - 1);
    EXPECT_EQ(order.front(), dialog.Option1[0]);
    EXPECT_EQ(order[1], dialog.Text1[0]);
    EXPECT_EQ(order[3], dialog.Option2[0]);
    EXPECT_EQ(order[14], dialog.Check1);
    EXPECT_EQ(order[15], dialog.Option1[11]);
    EXPECT_EQ(order.back(), dialog.Option1[10]);
    EXPECT_EQ(dialog.Text1[0]->nextInFocusChain(), dialog.Text1[1]);
}

TEST_F(Windows, splashAndAboutAreBorderlessPicturesEdgeToEdge) {
    auto* splash = new Form4(bar);
    auto* about = new Form7(*bar.Image1);
    for (PictureWindow* window :
         {static_cast<PictureWindow*>(splash), static_cast<PictureWindow*>(about)}) {
        EXPECT_EQ(window->size(), QSize(210, 280));
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_EQ(window->Image1->geometry(), QRect(0, 0, 210, 280));
        EXPECT_EQ(window->windowTitle(), "Version");
    }
    EXPECT_EQ(about->palette().color(QPalette::Window), QColor(Qt::white));
    delete about;
    delete splash;
}

TEST(Pictures, everyPictureIsBuiltInAtItsSize) {
    EXPECT_EQ(QPixmap(":/pictures/menu.jpg").size(), QSize(16, 16));
    EXPECT_EQ(QPixmap(":/pictures/splash.gif").size(), QSize(210, 280));
    EXPECT_EQ(QPixmap(":/icons/dorvane-32.png").size(), QSize(32, 32));
    EXPECT_EQ(QPixmap(":/icons/dialog-16.png").size(), QSize(16, 16));
    EXPECT_FALSE(QIcon(":/icons/dorvane.svg").pixmap(256, 256).isNull());
}

} // namespace
