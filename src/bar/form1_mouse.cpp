// Form1's mouse handling: dragging the bar by any of its labels, the menu under its picture,
// and the rectangle the auto-hide poll tests against.
#include "bar/form1.h"
#include "forms/form2.h"
#include "forms/picture_box.h"
#include "forms/twips.h"
#include "platform/window_system.h"

#include <QMenu>
#include <QWheelEvent>

void Form1::Get_Windows_Rect() {
    mlngBarHeight = kFullHeight;
    setHeight(kFullHeight);
    setTop(0);
    mrcBar = m_windows.GetWindowRect(*this);
}

// The grab point comes from the last pointer sample and the last captured rectangle.
void Form1::Label_MouseDown() {
    mblnDragging = true;
    mlngGrabX = timers.cursor().x - mrcBar.left;
    mlngGrabY = timers.cursor().y - mrcBar.top;
}

void Form1::Label_MouseMove() {
    if (!mblnDragging)
        return;
    const int x = timers.cursor().x - mlngGrabX;
    const int y = timers.cursor().y - mlngGrabY;
    m_windows.MoveWindow(*this, x, y, mrcBar.right - mrcBar.left, mrcBar.bottom);
    // The bar follows at its full captured size.
    m_left = static_cast<float>(Twips::fromPixels(x));
    m_top = static_cast<float>(Twips::fromPixels(y));
    m_height = mlngBarHeight;
    Cls(); // the collapsed strip's line has no place on a full bar
}

void Form1::clampLeft() {
    if (!(Left() > 0))
        setLeft(0);
    if (Left() + static_cast<float>(kClampWidth) > static_cast<float>(screenWidthTwips()))
        setLeft(static_cast<float>(screenWidthTwips() - kClampWidth));
}

// Any release puts the bar back on the top edge at full height, within the screen.
void Form1::Label_MouseUp() {
    clampLeft();
    Get_Windows_Rect();
    mblnDragging = false;
}

// Moving over the picture opens the menu, right-aligned under the bar's right end.
void Form1::Image1_MouseMove() {
    if (!m_form2 || !Image1->isEnabled())
        return;
    QMenu& menu = *m_form2->mnu_file;
    const QPoint rightTop(Twips::toPixels(kClampWidth), Twips::toPixels(mlngBarHeight + 10));
    const QPoint at = mapToGlobal(rightTop - QPoint(menu.sizeHint().width(), 0));
    if (popupMenu)
        popupMenu(menu, at);
    else
        menu.exec(at);
}

// The wheel steps through the sentences, one per notch: down for the next, up for the previous.
void Form1::wheelEvent(QWheelEvent* event) {
    const int direction = m_wheel.step(event->angleDelta().y(), m_wheelClock.elapsed());
    if (direction != 0)
        emit wheelStepped(direction);
    event->accept();
}
