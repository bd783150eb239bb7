// CaptionBar's mouse handling: dragging the bar by any of its labels, the menu under its picture,
// the rectangle the auto-hide poll tests against, and a file dropped on it.
#include "core/playback/bar_span.h"
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
    // The bar follows at its full captured size; the captured bottom edge, below its monitor's
    // top, is its height.
    const QPoint origin = m_monitor.area.topLeft();
    m_windows.moveWindow(*this,
                         QRect(to, QSize(m_barRect.width(), m_barRect.bottom() + 1 - origin.y())));
    m_left = static_cast<float>(Twips::fromPixels(to.x() - origin.x()));
    m_top = static_cast<float>(Twips::fromPixels(to.y() - origin.y()));
    m_height = kFullHeight;
    clearBottomLine(); // the collapsed strip's line has no place on a full bar
}

void CaptionBar::clampLeft() {
    const double room = Twips::fromPixels(m_monitor.area.width());
    const float kept = BarSpan::clampLeft(m_left, BarSpan::clampWidth(m_widthChoice, room), room);
    if (kept != m_left || !(m_left > 0))
        setLeftTwips(kept);
}

void CaptionBar::keepOnScreen() {
    if (m_dragging)
        return; // the release clamps
    const QList<Monitor> monitors = m_windows.monitors();
    const QPoint before = m_monitor.area.topLeft();
    const int below = m_barRect.top() - before.y();
    m_monitor = monitors.value(findMonitor(monitors, m_remembered), m_monitor);
    fitToMonitor();
    if (m_monitor.area.topLeft() != before)
        move(askedPlace().x(), m_monitor.area.y() + Twips::toPixels(m_top));
    m_barRect = QRect(QPoint(m_windows.windowRect(*this).left(), m_monitor.area.y() + below),
                      QSize(width(), m_barRect.height()));
    updateReserve();
    emit settled(QRect(m_barRect.topLeft(), QSize(width(), fullHeightPixels())));
}

// Any release puts the bar back on the top edge at full height, within the monitor under its
// middle; its left edge stays where it was let go, now counted from that monitor.
void CaptionBar::onLabelReleased() {
    const QList<Monitor> monitors = m_windows.monitors();
    const QRect now(m_windows.windowRect(*this).topLeft(), m_barRect.size());
    const Monitor chosen = monitors.value(monitorAt(monitors, now.center()), m_monitor);
    const bool another =
        chosen.name != m_monitor.name || chosen.area.topLeft() != m_monitor.area.topLeft();
    if (another)
        m_left += static_cast<float>(Twips::fromPixels(m_monitor.area.x() - chosen.area.x()));
    m_monitor = chosen;
    fitToMonitor();
    captureBarRect();
    m_dragging = false;
    updateReserve();
    if (another) {
        m_remembered = chosen;
        emit monitorChosen(chosen);
    }
    emit settled(m_barRect);
}

// Moving over the picture opens the menu, right-aligned under the bar's right end.
void CaptionBar::onMenuPictureHovered() {
    if (m_gate.isOpen())
        return;
    emit menuRequested(
        mapToGlobal(QPoint(Twips::toPixels(widthTwips() - (kWidth - kClampWidth) * m_scale),
                           Twips::toPixels((kFullHeight + 10) * m_scale))));
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
