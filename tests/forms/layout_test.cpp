// The windows as they are created: a sample of geometry in pixels, captions, stacking, timers.
#include "about/form4.h"
#include "about/form7.h"
#include "bar/form1.h"
#include "fakes/fake_agent.h"
#include "fakes/fake_window_system.h"
#include "forms/bar_label.h"
#include "forms/form2.h"
#include "forms/picture_box.h"
#include "forms/value_scroll_bar.h"
#include "settings_dialog/form3.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

TEST(BarLayout, controlsSitWhereTheTwipsSayStackedWithThePictureOnTop) {
    FakeWindowSystem windows;
    FakeAgentControl agent;
    Form1 bar(agent, windows);
    EXPECT_EQ(bar.size(), QSize(477, 118));
    EXPECT_EQ(bar.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(bar.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(bar.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_EQ(bar.Label1->geometry(), QRect(0, 3, 885, 19));
    EXPECT_EQ(bar.Image1->geometry(), QRect(456, 3, 18, 18));
    EXPECT_EQ(bar.Label2->geometry(), QRect(0, 27, 443, 22));
    EXPECT_EQ(bar.childAt(bar.Image1->geometry().center()), bar.Image1);
    EXPECT_EQ(bar.childAt(QPoint(100, 12)), bar.Label1) << "Shape1 lets the mouse through";
    EXPECT_EQ(bar.Label1->font().pointSizeF(), 10.5);

    const Timer* timers[] = {&bar.timers.Timer1, &bar.timers.Timer2, &bar.timers.Timer3,
                             &bar.timers.Timer4, &bar.timers.Timer5};
    QList<QPair<int, bool>> states;
    for (const Timer* timer : timers)
        states << qMakePair(timer->Interval(), timer->Enabled());
    EXPECT_EQ(states, (QList<QPair<int, bool>>{
                          {60, true}, {1500, true}, {50, true}, {80, true}, {100, false}}));
}

TEST(MenuTree, holdsItsEightItemsInOrderWithTheirCaptions) {
    Form2 form2;
    QStringList items;
    for (QAction* action : form2.mnu_file->actions())
        items << action->objectName() + " " + (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(items, QStringList({"mnu_sysset &Settings...", "mnu_hlp &Non Read aloud",
                                  "mnu_veri &About...", "f1 -", "mnu_page &Website",
                                  "mnu_email E_&mail", "f2 -", "mnu_exit Exit"}));
}

TEST(SettingsDialogLayout, isAFixedDialogWithItsControlsExactlyPlaced) {
    Form3 dialog;
    EXPECT_EQ(dialog.windowTitle(), "Setting...");
    EXPECT_EQ(dialog.size(), QSize(358, 405));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(dialog.Frame3->geometry(), QRect(144, 240, 196, 57));
    EXPECT_EQ(dialog.Option1[0]->geometry(), QRect(16, 19, 68, 13));
    EXPECT_EQ(dialog.Option1[11]->geometry(), QRect(176, 40, 140, 13));
    EXPECT_EQ(dialog.Option1[21]->geometry(), QRect(16, 200, 100, 13));
    EXPECT_EQ(dialog.Text1[0]->geometry(), QRect(108, 309, 21, 18));
    EXPECT_EQ(dialog.VScroll3->geometry(), QRect(120, 360, 9, 17));
    EXPECT_EQ(dialog.Label1->text(), "Per sentence play" + QString(14, ' ') + "time.");
    EXPECT_EQ(dialog.Label3->text(), "English Display" + QString(15, ' ') + "second.");
    EXPECT_EQ(dialog.Option1[4]->text(), "Shopping one ");
    // A value's box is drawn over the caption of its line, never under it.
    EXPECT_GT(dialog.children().indexOf(dialog.Text1[2]), dialog.children().indexOf(dialog.Label3));

    const QList<QWidget*> order = dialog.tabOrder();
    ASSERT_EQ(order.size(), 36);
    EXPECT_EQ(order.mid(0, 4), (QList<QWidget*>{dialog.Option1[0], dialog.Text1[0], dialog.Text1[1],
                                                dialog.Option2[0]}));
    EXPECT_EQ(order[15], dialog.Option1[11]);
    EXPECT_EQ(order.back(), dialog.Option1[10]);
}

TEST(SettingsDialogLayout, scrollBarsKeepTheirRangesAndTheUpArrowRaisesTheNumber) {
    Form3 dialog;
    EXPECT_EQ(qMakePair(dialog.VScroll1->Min(), dialog.VScroll1->Max()), qMakePair(1, 12));
    EXPECT_EQ(qMakePair(dialog.VScroll2->Min(), dialog.VScroll2->Max()), qMakePair(5, 15));
    EXPECT_EQ(qMakePair(dialog.VScroll3->Min(), dialog.VScroll3->Max()), qMakePair(3, 15));
    dialog.VScroll2->setValue(7);
    dialog.VScroll2->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(dialog.VScroll2->Value(), 8);
}

TEST(PictureWindows, splashAndAboutAreBorderlessPicturesEdgeToEdge) {
    FakeWindowSystem windows;
    FakeAgentControl agent;
    Form1 bar(agent, windows);
    Form4 splash(bar);
    Form7 about(*bar.Image1);
    for (PictureWindow* window :
         {static_cast<PictureWindow*>(&splash), static_cast<PictureWindow*>(&about)}) {
        EXPECT_EQ(window->size(), QSize(210, 280));
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_EQ(window->Image1->geometry(), QRect(0, 0, 210, 280));
    }
}

} // namespace
