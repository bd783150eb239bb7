#include "ui/character/character_window.h"

#include "platform/os_services.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace {
constexpr QSize kWindow{420, 230};
constexpr QSize kCharacter{128, 160}; // the art's 160 x 200 view box at 0.8
constexpr int kBalloonWidth = 250;
constexpr int kMargin = 12;
const QColor kOutline{31, 41, 51};
} // namespace

CharacterWindow::CharacterWindow(const QString& folder, const QStringList& frameNames)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("Peedy"));
    setWindowTitle(QStringLiteral("Peedy"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(kWindow);
    for (const QString& name : frameNames) {
        auto renderer = std::make_shared<QSvgRenderer>(folder + QLatin1Char('/') + name +
                                                       QStringLiteral(".svg"));
        if (renderer->isValid())
            m_renderers.insert(name, renderer);
        else
            m_problems << name;
    }
    if (!frameNames.isEmpty())
        m_frame = frameNames.first();
    placeOnScreen();
    connect(&m_screens, &ScreenWatch::changed, this, &CharacterWindow::placeOnScreen);
}

void CharacterWindow::placeOnScreen() {
    const bool primary = !m_home || m_home == QGuiApplication::primaryScreen();
    QScreen* screen = primary ? QGuiApplication::primaryScreen() : m_home.data();
    const QRect area = primary ? ScreenWatch::workArea() : m_home->availableGeometry();
    if (screen && m_kept.contains(screen->name())) {
        // Where the learner left it, while that is still on the monitor and off the bar.
        const QRect whole = primary ? ScreenWatch::screenArea() : screen->geometry();
        const QPoint at = whole.topLeft() + m_kept.value(screen->name());
        const QRect there(at, size());
        if (whole.contains(there) && !characterRect().translated(at).intersects(m_clearOf)) {
            move(at);
            return;
        }
    }
    move(area.right() - width() - kMargin + 1, area.bottom() - height() - kMargin + 1);
}

void CharacterWindow::setKeptPlaces(const QHash<QString, QPoint>& places) {
    m_kept = places;
    placeOnScreen();
    m_placed = ::placeOnScreen(*this);
}

void CharacterWindow::keepClearOf(const QRect& area) {
    m_clearOf = area;
    // The character stands on the bar's monitor: one that moved there goes to its corner.
    QScreen* home = QGuiApplication::screenAt(area.center());
    if (home && home != (m_home ? m_home.data() : QGuiApplication::primaryScreen())) {
        m_home = home;
        placeOnScreen();
    }
    m_placed = ::placeOnScreen(*this);
    if (characterRect().translated(m_placed).intersects(area)) {
        placeOnScreen();
        m_placed = pos();
    }
    updateShape();
}

void CharacterWindow::setFrame(const QString& name) {
    if (name == m_frame)
        return;
    m_frame = name;
    updateShape();
}

void CharacterWindow::setPresence(double presence) {
    m_presence = std::clamp(presence, 0.0, 1.0);
    updateShape();
}

void CharacterWindow::showBalloon(const QString& text) {
    m_balloon = text.isNull() ? QStringLiteral("") : text;
    updateShape();
}

void CharacterWindow::hideBalloon() {
    m_balloon = QString();
    updateShape();
}

const QImage& CharacterWindow::frameImage(const QString& name) {
    const qreal ratio = devicePixelRatioF();
    QImage& image = m_images[name];
    if (image.isNull() || image.devicePixelRatio() != ratio) {
        image = QImage(kCharacter * ratio, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        if (const auto renderer = m_renderers.value(name)) {
            QPainter painter(&image);
            renderer->render(&painter);
        }
        image.setDevicePixelRatio(ratio);
    }
    return image;
}

QRect CharacterWindow::characterRect() const {
    // Grows from the feet: the perch stays put while the character pops up.
    const int h = qRound(kCharacter.height() * m_presence);
    const int w = qRound(kCharacter.width() * (0.6 + 0.4 * m_presence));
    return {width() - kCharacter.width() + (kCharacter.width() - w) / 2, height() - h, w, h};
}

QRect CharacterWindow::balloonRect() const {
    QFont font = this->font();
    font.setPointSizeF(11);
    const QFontMetrics metrics(font);
    const QRect text = metrics.boundingRect(QRect(0, 0, kBalloonWidth - 24, 1000), Qt::TextWordWrap,
                                            m_balloon.trimmed());
    const int h = std::min(text.height() + 20, height() - 40);
    const int w = std::max(text.width() + 24, 60);
    const int right = width() - kCharacter.width() + 24;
    QRect box(right - w, 4, w, h);
    // Above the character as a rule; a bar there sends it below the bar, one below sends it up.
    const QRect onScreen = box.translated(m_placed);
    if (m_clearOf.isValid() && onScreen.intersects(m_clearOf)) {
        const bool barAbove = m_clearOf.center().y() <= onScreen.center().y();
        const int top = barAbove ? m_clearOf.bottom() + 1 + 4 - m_placed.y()
                                 : m_clearOf.top() - 4 - h - m_placed.y();
        box.moveTop(std::clamp(top, 0, height() - h));
    }
    return box;
}

QPainterPath CharacterWindow::balloonPath() const {
    const QRect box = balloonRect();
    QPainterPath path;
    path.addRoundedRect(box, 14, 14);
    // The tail points to the beak, down from a balloon above it or up from one below.
    const QPointF beak(width() - kCharacter.width() + 22, height() - kCharacter.height() + 62);
    QPainterPath tail;
    const QPointF base(box.right() - 34,
                       box.bottom() < beak.y() ? box.bottom() - 2 : box.top() + 2);
    tail.moveTo(base);
    tail.lineTo(base + QPointF(22, 0));
    tail.lineTo(beak);
    tail.closeSubpath();
    return path.united(tail);
}

void CharacterWindow::updateShape() {
    // The window takes the character's and the balloon's outline, so it covers nothing else
    // and looks right even where the window system draws no translucency.
    QRegion shape;
    if (m_presence > 0.0) {
        const QImage mask = frameImage(m_frame)
                                .scaled(characterRect().size() * devicePixelRatioF())
                                .createAlphaMask(Qt::ThresholdAlphaDither);
        QBitmap bitmap = QBitmap::fromImage(mask.scaled(characterRect().size()));
        shape = QRegion(bitmap).translated(characterRect().topLeft());
    }
    if (balloonShown())
        shape += QRegion(balloonPath().toFillPolygon().toPolygon()).united(balloonRect());
    if (shape.isEmpty())
        shape = QRegion(0, 0, 1, 1);
    setMask(shape);
    update();
}

void CharacterWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (balloonShown()) {
        painter.setPen(QPen(kOutline, 2));
        painter.setBrush(QColor(255, 255, 250));
        painter.drawPath(balloonPath());
        QFont font = this->font();
        font.setPointSizeF(11);
        painter.setFont(font);
        painter.setPen(kOutline);
        painter.drawText(balloonRect().adjusted(12, 10, -12, -10),
                         Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter, m_balloon.trimmed());
    }
    if (m_presence > 0.0)
        painter.drawImage(characterRect(), frameImage(m_frame));
}

void CharacterWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    m_placed = ::placeOnScreen(*this);
    if (balloonShown() && m_clearOf.isValid())
        updateShape();
}

void CharacterWindow::mousePressEvent(QMouseEvent* event) {
    m_grab = event->globalPosition().toPoint() - pos();
    m_dragged = false;
}

void CharacterWindow::mouseMoveEvent(QMouseEvent* event) {
    // The learner may move the character out of the way; the program itself never does.
    if (event->buttons() & Qt::LeftButton) {
        move(event->globalPosition().toPoint() - m_grab);
        m_dragged = true;
    }
}

void CharacterWindow::mouseReleaseEvent(QMouseEvent*) {
    if (!m_dragged)
        return;
    m_dragged = false;
    QScreen* screen = QGuiApplication::screenAt(geometry().center());
    if (!screen)
        return;
    m_kept.insert(screen->name(), pos() - screen->geometry().topLeft());
    emit placedByLearner(screen->name(), m_kept.value(screen->name()));
}
