// The menu picture reports pointer movement over it, an arrival in one jump included, once per
// position.
#include "forms/picture_box.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct Picture {
    Picture() {
        box.setGeometry(100, 100, 18, 18);
        box.show();
        QObject::connect(&box, &PictureBox::MouseMove, [this] { ++reports; });
    }
    void enterAt(QPoint local) {
        QEnterEvent event(local, local, box.mapToGlobal(local));
        QCoreApplication::sendEvent(&box, &event);
    }
    void moveTo(QPoint local) {
        QMouseEvent event(QEvent::MouseMove, local, local, box.mapToGlobal(local), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&box, &event);
    }
    // The toolkit's leave event, with the pointer on the picture or really away from it.
    void leaveWithPointerAt(QPoint local) {
        QCursor::setPos(box.mapToGlobal(local));
        QEvent event(QEvent::Leave);
        QCoreApplication::sendEvent(&box, &event);
    }

    PictureBox box{QStringLiteral(":/pictures/menu.jpg"), true};
    int reports = 0;
};

TEST(MenuPicture, reportsEachArrivalAndMovementOnceAndNothingWhileDisabled) {
    const QPoint on(8, 8), elsewhereOn(9, 9), off(40, 40);
    const struct {
        const char* what;
        std::function<void(Picture&)> act;
        int reports;
    } cases[] = {
        {"an arrival without a movement after it", [&](Picture& p) { p.enterAt(on); }, 1},
        {"an arrival and the movement event of the same jump",
         [&](Picture& p) {
             p.enterAt(on);
             p.moveTo(on);
         },
         1},
        {"an arrival, then a movement across the picture",
         [&](Picture& p) {
             p.enterAt(on);
             p.moveTo(elsewhereOn);
         },
         2},
        {"leaving and arriving again at the same pixel",
         [&](Picture& p) {
             p.enterAt(on);
             p.leaveWithPointerAt(off);
             p.enterAt(on);
         },
         2},
        {"a menu opening and closing while the pointer rests on the picture",
         [&](Picture& p) {
             p.enterAt(on);
             p.leaveWithPointerAt(on);
             p.enterAt(on);
         },
         1},
        {"a disabled picture",
         [&](Picture& p) {
             p.box.setEnabled(false);
             p.enterAt(on);
             p.moveTo(elsewhereOn);
             p.box.setEnabled(true);
         },
         0},
    };
    for (const auto& c : cases) {
        Picture picture;
        c.act(picture);
        EXPECT_EQ(picture.reports, c.reports) << c.what;
    }
}

} // namespace
