// The bar's menu picture reports pointer movement over it once per position, an arrival in one
// jump included, and again once the pointer has really been elsewhere, whether or not a leave
// event said so (none comes while a menu holds the pointer).
#include "ui/widgets/picture_box.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

// Each step: "e" the toolkit's enter event, "m" a movement across the picture, "l" a leave event
// with the pointer still on it (a menu opened over it), "L" one with the pointer away, "w" the
// picture's watch looking, "a" the pointer going away without a word (under a menu's grab) and
// the watch looking.
int reportsAfter(const char* steps, bool enabled = true) {
    PictureBox box{QStringLiteral(":/pictures/menu.jpg"), true};
    box.setGeometry(100, 100, 18, 18);
    box.setEnabled(enabled);
    box.show();
    int reports = 0;
    QObject::connect(&box, &PictureBox::hovered, [&] { ++reports; });
    const QPoint on(8, 8), across(9, 9), off(40, 40);
    for (; *steps; ++steps) {
        const char step = *steps;
        if (step == 'e' || step == 'l' || step == 'L' || step == 'a')
            QCursor::setPos(box.mapToGlobal(step == 'L' || step == 'a' ? off : on));
        if (step == 'e') {
            QEnterEvent event(on, on, box.mapToGlobal(on));
            QCoreApplication::sendEvent(&box, &event);
        } else if (step == 'm') {
            QMouseEvent event(QEvent::MouseMove, across, across, box.mapToGlobal(across),
                              Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&box, &event);
        } else if (step == 'l' || step == 'L') {
            QEvent event(QEvent::Leave);
            QCoreApplication::sendEvent(&box, &event);
        } else {
            box.checkPointerStillHere();
        }
    }
    return reports;
}

TEST(MenuPicture, reportsEachArrivalOnceAndAgainOnlyAfterThePointerHasBeenElsewhere) {
    const struct {
        const char* steps;
        int reports;
        const char* what;
    } cases[] = {
        {"e", 1, "an arrival without a movement after it"},
        {"em", 2, "an arrival, then a movement across the picture"},
        {"eLe", 2, "leaving and arriving again at the same pixel"},
        {"elwe", 1, "a menu opening and closing while the pointer rests on the picture"},
        {"elae", 2, "the pointer going into the menu, and one jump back after it closed"},
        {"eae", 2, "the pointer going away with no leave event, and one jump back"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reportsAfter(c.steps), c.reports) << c.what;
    EXPECT_EQ(reportsAfter("em", false), 0) << "a disabled picture";
}

} // namespace
