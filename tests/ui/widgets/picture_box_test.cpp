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

const QPoint on(8, 8), elsewhereOn(9, 9), off(40, 40);

struct Picture {
    Picture() {
        box.setGeometry(100, 100, 18, 18);
        box.show();
        QObject::connect(&box, &PictureBox::hovered, [this] { ++reports; });
    }
    // Each step: "e" the toolkit's enter event at `on`, "m" a movement to `elsewhereOn`,
    // "l" a leave event with the pointer still on the picture (a menu opened over it),
    // "L" a leave event with the pointer away, "w" the picture's watch looking where the pointer
    // is, "a" the pointer going away without a word (under a menu's grab, say) and the watch
    // looking.
    void act(const char* steps) {
        for (; *steps; ++steps) {
            switch (*steps) {
            case 'e': {
                QCursor::setPos(box.mapToGlobal(on));
                QEnterEvent event(on, on, box.mapToGlobal(on));
                QCoreApplication::sendEvent(&box, &event);
                break;
            }
            case 'm': {
                QMouseEvent event(QEvent::MouseMove, elsewhereOn, elsewhereOn,
                                  box.mapToGlobal(elsewhereOn), Qt::NoButton, Qt::NoButton,
                                  Qt::NoModifier);
                QCoreApplication::sendEvent(&box, &event);
                break;
            }
            case 'l':
            case 'L': {
                QCursor::setPos(box.mapToGlobal(*steps == 'l' ? on : off));
                QEvent event(QEvent::Leave);
                QCoreApplication::sendEvent(&box, &event);
                break;
            }
            case 'a':
                QCursor::setPos(box.mapToGlobal(off));
                box.checkPointerStillHere();
                break;
            case 'w':
                box.checkPointerStillHere();
                break;
            }
        }
    }

    PictureBox box{QStringLiteral(":/pictures/menu.jpg"), true};
    int reports = 0;
};

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
    for (const auto& c : cases) {
        Picture picture;
        picture.act(c.steps);
        EXPECT_EQ(picture.reports, c.reports) << c.what;
    }
    Picture disabled;
    disabled.box.setEnabled(false);
    disabled.act("em");
    EXPECT_EQ(disabled.reports, 0) << "a disabled picture";
}

} // namespace
