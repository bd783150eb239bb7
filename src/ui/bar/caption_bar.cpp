#include "ui/bar/caption_bar.h"

#include "core/playback/bar_span.h"
#include "core/playback/dialog_gate.h"
#include "platform/system_colors.h"
#include "platform/window_system.h"
#include "ui/bar/bar_label.h"
#include "ui/bar/bar_signs.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/twips.h"

#include <QIcon>
#include <QPainter>
#include <QToolTip>

namespace {

// An unfilled rectangle with a one-pixel border; it takes no part in mouse handling.
class ShapeOutline : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(systemColor(SystemColor::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

QFont arial(double scale) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif); // Liberation Sans where Arial itself is missing
    font.setPointSizeF(10.5 * scale);
    return font;
}

QFont pictureFont(double scale) {
    QFont serif(QStringLiteral("MS Serif"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSizeF(6.75 * scale);
    return serif;
}

void paintBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

BarLabel* makeLabel(QWidget* parent, const char* name) {
    auto* label = new BarLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setWordWrap(false);
    return label;
}

} // namespace

CaptionBar::CaptionBar(WindowSystem& windows, const SettingsRecord& settings,
                       const DialogGate& gate, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus),
      m_chrome(*this, windows, settings), m_windows(windows), m_gate(gate) {
    setObjectName(QStringLiteral("CaptionBar"));
    // Never shown on the bar itself; window lists and tools see it.
    setWindowTitle(QStringLiteral("Dorvane caption bar"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/dorvane.svg")));
    setAcceptDrops(true); // a file dropped on the bar is imported
    // The bar never takes the focus from the learner's work, so it is never the active
    // window: its lines' tooltips must show without that.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_AlwaysShowToolTips);
    paintBackground(this, systemColor(SystemColor::Background));

    // Back to front. The two lines let the bar's background show through, so their white
    // texts read on the dark desktop colour.
    m_frenchLine = makeLabel(this, "frenchLine");
    m_frenchLine->setFont(arial(m_scale));
    setTextColour(m_frenchLine, Qt::white);

    m_pictureBackground = makeLabel(this, "pictureBackground");
    m_pictureBackground->setFont(pictureFont(m_scale));
    paintBackground(m_pictureBackground, systemColor(SystemColor::Background));

    m_menuPicture = new PictureBox(QStringLiteral(":/pictures/menu.jpg"), true, this);
    m_menuPicture->setObjectName(QStringLiteral("menuPicture"));
    m_menuPicture->setCursor(Qt::PointingHandCursor);
    // What the learner sees of the gate.
    m_menuPicture->setEnabled(!gate.isOpen());
    connect(&gate, &DialogGate::changed, m_menuPicture,
            [picture = m_menuPicture](bool open) { picture->setEnabled(!open); });

    m_topStrip = makeLabel(this, "topStrip");
    paintBackground(m_topStrip, systemColor(SystemColor::InactiveCaption));
    setTextColour(m_topStrip, systemColor(SystemColor::WindowText));

    m_outline = new ShapeOutline(this);
    m_outline->setObjectName(QStringLiteral("outline"));
    m_outline->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_englishLine = makeLabel(this, "englishLine");
    m_englishLine->setFont(arial(m_scale));
    setTextColour(m_englishLine, Qt::white);

    m_pauseSign = new BarSign(BarSign::Paused, this);
    m_pauseSign->setObjectName(QStringLiteral("pauseSign"));
    m_listeningSign = new BarSign(BarSign::Listening, this);
    m_listeningSign->setObjectName(QStringLiteral("listeningSign"));

    m_line = new QWidget(this);
    m_line->setObjectName(QStringLiteral("BottomLine"));
    m_line->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_line->hide();

    m_monitor = windows.monitors().value(0);
    layoutControls();
    placeLineBaselines();
    placeWindow();

    for (BarLabel* label : {m_frenchLine, m_englishLine, m_topStrip, m_pictureBackground}) {
        connect(label, &BarLabel::pressed, this, &CaptionBar::onLabelPressed);
        connect(label, &BarLabel::dragged, this, &CaptionBar::onLabelDragged);
        connect(label, &BarLabel::released, this, &CaptionBar::onLabelReleased);
    }
    connect(m_menuPicture, &PictureBox::hovered, this, &CaptionBar::onMenuPictureHovered);
    m_wheelClock.start();
}

CaptionBar::~CaptionBar() = default;

// A wider bar stretches its lines and strips; what sits at its right end moves with it. Larger
// text scales every height and what sits at the right end, counted from that end.
void CaptionBar::layoutControls() {
    const double s = m_scale;
    const double right = widthTwips();
    m_frenchLine->setGeometry(Twips::rect(0, 50 * s, 13280 + m_extra, 280 * s));
    m_pictureBackground->setGeometry(Twips::rect(right - 315 * s, 15 * s, 405 * s, 330 * s));
    m_menuPicture->setGeometry(Twips::rect(right - 315 * s, 45 * s, 270 * s, 270 * s));
    m_topStrip->setGeometry(Twips::rect(0, 0, right - 855 * s, 10 * s));
    m_outline->setGeometry(Twips::rect(0, 15 * s, 7140 + m_extra, 330 * s));
    m_englishLine->setGeometry(Twips::rect(0, m_englishLineTop * s, right - 505 * s, 330 * s));
    // just left of the picture
    m_pauseSign->setGeometry(Twips::rect(right - 555 * s, 60 * s, 225 * s, 240 * s));
    m_listeningSign->setGeometry(m_pauseSign->geometry());
}

// The raised English line rests on the French line's baseline; both keep their descenders
// above the outline's bottom edge.
void CaptionBar::placeLineBaselines() {
    const QFontMetrics metrics(m_frenchLine->font());
    const int centred =
        m_frenchLine->y() + (m_frenchLine->height() - metrics.height()) / 2 + metrics.ascent();
    const int lowest = m_outline->geometry().bottom() - metrics.descent();
    const int baseline = std::min(centred, lowest); // in the bar
    m_frenchLine->setBaseline(baseline - m_frenchLine->y());
    m_englishLine->setBaseline(baseline - Twips::toPixels(PlayCycle::kEnglishLineRaised * m_scale));
}

void CaptionBar::placeWindow() {
    setGeometry(askedPlace().x(), m_monitor.area.y() + Twips::toPixels(m_top),
                Twips::toPixels(widthTwips()), std::max(1, Twips::toPixels(m_height * m_scale)));
}

QPoint CaptionBar::askedPlace() const {
    return m_monitor.area.topLeft() + QPoint(Twips::toPixels(m_left), 0);
}

void CaptionBar::setLeftTwips(float twips) {
    m_left = twips;
    move(askedPlace().x(), y());
}

void CaptionBar::setTopTwips(float twips) {
    m_top = twips;
    move(x(), m_monitor.area.y() + Twips::toPixels(m_top));
}

void CaptionBar::setRememberedMonitor(const Monitor& monitor) {
    m_remembered = monitor;
    keepOnScreen();
}

void CaptionBar::setWidthChoice(int choice) {
    m_widthChoice = choice;
    fitToMonitor();
    m_barRect = QRect(QPoint(m_windows.windowRect(*this).left(), m_barRect.top()),
                      QSize(width(), m_barRect.height()));
    emit settled(QRect(m_barRect.topLeft(), QSize(width(), fullHeightPixels())));
}

// The width its choice gives on the monitor it is on now, and its left edge kept on it.
void CaptionBar::fitToMonitor() {
    m_extra = BarSpan::width(m_widthChoice, Twips::fromPixels(m_monitor.area.width())) - kWidth;
    layoutControls();
    const int pixels = Twips::toPixels(widthTwips());
    if (pixels != width())
        resize(pixels, height());
    clampLeft();
    if (!m_line->isHidden())
        placeBottomLine();
}

void CaptionBar::setTextSize(int choice) {
    m_textSize = choice;
    m_scale = BarSpan::textScale(choice);
    m_frenchLine->setFont(arial(m_scale));
    m_englishLine->setFont(arial(m_scale));
    m_pictureBackground->setFont(pictureFont(m_scale));
    layoutControls();
    placeLineBaselines();
    setBarHeight(m_height);
    if (!m_barRect.isNull())
        m_barRect.setHeight(fullHeightPixels());
    updateReserve();
    emit settled(QRect(m_barRect.topLeft(), QSize(width(), fullHeightPixels())));
}

int CaptionBar::fullHeightPixels() const {
    return Twips::toPixels(kFullHeight * m_scale);
}

void CaptionBar::setReserve(bool reserve) {
    m_reserve = reserve;
    updateReserve();
}

// The full bar's height along its monitor's top; a collapsed bar keeps it too, so that windows
// below do not jump each time the pointer opens it. Nothing is asked of the window system
// while the strip is never kept.
void CaptionBar::updateReserve() {
    const QRect strip = m_reserve ? QRect(m_monitor.area.topLeft(),
                                          QSize(m_monitor.area.width(), fullHeightPixels()))
                                  : QRect();
    if (strip == m_reserved || (!isVisible() && !strip.isEmpty()))
        return;
    m_windows.reserveStrip(*this, strip);
    m_reserved = strip;
}

void CaptionBar::giveBackStrip() {
    if (m_reserved.isEmpty())
        return;
    m_windows.reserveStrip(*this, QRect());
    m_reserved = QRect();
}

// A window shown again may be a new one to the window system: it is told again.
void CaptionBar::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_reserved = QRect();
    if (m_reserve)
        updateReserve();
}

void CaptionBar::setBarHeight(double twips) {
    m_height = twips;
    const int pixels = std::max(1, Twips::toPixels(twips * m_scale));
    if (pixels != height())
        resize(width(), pixels);
    if (twips >= kFullHeight)
        m_line->hide(); // the line belongs to the collapsed strip only
    else if (!m_line->isHidden())
        placeBottomLine();
}

double CaptionBar::screenWidthTwips() const {
    return Twips::fromPixels(m_windows.screenSize().width());
}

double CaptionBar::screenHeightTwips() const {
    return Twips::fromPixels(m_windows.screenSize().height());
}

void CaptionBar::makeTopmost() {
    m_windows.placeTopmost(*this, QRect(askedPlace().x(),
                                        m_monitor.area.y() + Twips::toPixelsTruncated(m_top),
                                        Twips::toPixelsTruncated(widthTwips()),
                                        Twips::toPixelsTruncated(m_height * m_scale)));
}

void CaptionBar::setFrenchLine(const QString& text) {
    m_frenchLine->setLine(text);
}

void CaptionBar::setEnglishLine(const QString& text) {
    m_englishLine->setLine(text);
}

void CaptionBar::setEnglishLineTop(int twips) {
    m_englishLineTop = twips;
    m_englishLine->move(0, Twips::toPixels(twips * m_scale));
}

void CaptionBar::setVisible(bool visible) {
    QWidget::setVisible(visible);
}

void CaptionBar::drawBottomLine(RgbColour colour) {
    paintBackground(m_line, QColor::fromRgb(colour));
    placeBottomLine();
    m_line->show();
    m_line->raise();
}

// The 20-twip strip along the bar's bottom edge.
void CaptionBar::placeBottomLine() {
    m_line->setGeometry(Twips::rect(0, (m_height - BarChrome::kCollapsedHeight) * m_scale,
                                    widthTwips(), BarChrome::kCollapsedHeight * m_scale));
}

void CaptionBar::clearBottomLine() {
    m_line->hide();
}

QColor CaptionBar::lineColour() const {
    return m_line->isHidden() ? QColor() : m_line->palette().color(QPalette::Window);
}

void CaptionBar::showPaused(bool paused) {
    m_pauseSign->setVisible(paused);
    if (paused)
        m_pauseSign->raise();
}

void CaptionBar::showNotice(const QString& text) {
    QToolTip::showText(mapToGlobal(QPoint(0, height())), text, this, QRect(), 3000);
}

void CaptionBar::showListening(bool listening) {
    m_listeningSign->setVisible(listening);
    if (listening)
        m_listeningSign->raise();
}

BarLabel* CaptionBar::label(BarLine line) const {
    return line == BarLine::French ? m_frenchLine : m_englishLine;
}

// The French line is seen up to the picture, the English one up to its own right edge, and
// either only up to a sign beside the picture while one shows.
int CaptionBar::lineOverflow(BarLine line) const {
    int room = line == BarLine::French ? m_menuPicture->x() - 2 : m_englishLine->width() - 1;
    if (!m_pauseSign->isHidden() || !m_listeningSign->isHidden())
        room = std::min(room, m_pauseSign->x() - 2);
    return std::max(0, label(line)->textWidth() - room);
}

void CaptionBar::setLineScroll(BarLine line, int pixels) {
    label(line)->setScroll(pixels);
}

int CaptionBar::lineScroll(BarLine line) const {
    return label(line)->scroll();
}

void CaptionBar::setLineTooltips(const QString& french, const QString& english) {
    m_frenchLine->setToolTip(french);
    m_englishLine->setToolTip(english);
}
