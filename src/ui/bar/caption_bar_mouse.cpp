// CaptionBar's mouse handling: dragging the bar by any of its labels, the menu under its picture,
// the rectangle the auto-hide poll tests against, and a file dropped on it.
#include "core/playback/dialog_gate.h"
#include "platform/window_system.h"
#include "ui/bar/caption_bar.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/twips.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWheelEvent>

void CaptionBar::captureBarRect() {
    setBarHeight(kFullHeight);
    setTopTwips(0);
    m_barRect = m_windows.windowRect(*this);
}

// The grab point comes from the last pointer sample and the last captured rectangle.
void CaptionBar::onLabelPressed() {
    m_dragging = true;
    m_grabOffset = m_chrome.cursor() - m_barRect.topLeft();
}

void CaptionBar::onLabelDragged() {
    if (!m_dragging)
        return;
    const QPoint to = m_chrome.cursor() - m_grabOffset;
    // The bar follows at its full captured size; the captured bottom edge is its height.
    m_windows.moveWindow(*this, QRect(to, QSize(m_barRect.width(), m_barRect.bottom() + 1)));
    m_left = static_cast<float>(Twips::fromPixels(to.x()));
    m_top = static_cast<float>(Twips::fromPixels(to.y()));
    m_height = kFullHeight;
    clearBottomLine(); // the collapsed strip's line has no place on a full bar
}

void CaptionBar::clampLeft() {
    if (!(leftTwips() > 0))
        setLeftTwips(0);
    if (leftTwips() + static_cast<float>(kClampWidth) > static_cast<float>(screenWidthTwips()))
        setLeftTwips(static_cast<float>(screenWidthTwips() - kClampWidth));
}

void CaptionBar::keepOnScreen() {
    if (m_dragging)
        return; // the release clamps
    clampLeft();
    m_barRect.moveLeft(m_windows.windowRect(*this).left());
}

// Any release puts the bar back on the top edge at full height, within the screen.
void CaptionBar::onLabelReleased() {
    clampLeft();
    captureBarRect();
    m_dragging = false;
}

// Moving over the picture opens the menu, right-aligned under the bar's right end.
void CaptionBar::onMenuPictureHovered() {
    if (m_gate.isOpen())
        return;
    emit menuRequested(
        mapToGlobal(QPoint(Twips::toPixels(kClampWidth), Twips::toPixels(kFullHeight + 10))));
}

// The wheel steps through the sentences, one per notch: down for the next, up for the previous.
void CaptionBar::wheelEvent(QWheelEvent* event) {
    const int direction = m_wheel.step(event->angleDelta().y(), m_wheelClock.elapsed());
    if (direction != 0)
        emit wheelStepped(direction);
    event->accept();
}

namespace {

// Only a single local file is taken: that is what an import reads.
QString droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1 ||
        !data->urls().front().isLocalFile())
        return {};
    return data->urls().front().toLocalFile();
}

} // namespace

void CaptionBar::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CaptionBar::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    emit fileDropped(path);
}
