#include "bar/form1.h"

#include "forms/bar_label.h"
#include "forms/picture_box.h"
#include "forms/twips.h"
#include "platform/system_colors.h"
#include "platform/window_system.h"
#include "playback/agent.h"

#include <QIcon>
#include <QPainter>

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

// Two upright bars on a dark square: the bar is paused. It lets the mouse through to the
// label under it, so dragging still works.
class PauseGlyph : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 200));
        painter.drawRoundedRect(QRectF(rect()), 2, 2);
        painter.setBrush(Qt::white);
        const qreal barWidth = width() / 4.0;
        const qreal top = height() / 5.0;
        const qreal barHeight = height() - 2 * top;
        painter.drawRect(QRectF(width() / 2.0 - barWidth * 1.25, top, barWidth, barHeight));
        painter.drawRect(QRectF(width() / 2.0 + barWidth * 0.25, top, barWidth, barHeight));
    }
};

QFont arial() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif); // Liberation Sans where Arial itself is missing
    font.setPointSizeF(10.5);
    return font;
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

Form1::Form1(AgentControl& agent, WindowSystem& windows, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus),
      timers(*this, windows), Agent1(agent), m_windows(windows) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/dorvane.svg")));
    // The bar never takes the focus from the learner's work, so it is never the active
    // window: its lines' tooltips must show without that.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_AlwaysShowToolTips);
    paintBackground(this, systemColor(SystemColor::Background));

    // Back to front. The two lines let the bar's background show through, so their white
    // texts read on the dark desktop colour.
    Label1 = makeLabel(this, "Label1");
    Label1->setFont(arial());
    setTextColour(Label1, Qt::white);

    Label4 = makeLabel(this, "Label4");
    QFont serif(QStringLiteral("MS Serif"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSizeF(6.75);
    Label4->setFont(serif);
    paintBackground(Label4, systemColor(SystemColor::Background));

    Image1 = new PictureBox(QStringLiteral(":/pictures/menu.jpg"), true, this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setCursor(Qt::PointingHandCursor);

    Label3 = makeLabel(this, "Label3");
    paintBackground(Label3, systemColor(SystemColor::InactiveCaption));
    setTextColour(Label3, systemColor(SystemColor::WindowText));

    Shape1 = new ShapeOutline(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);

    Label2 = makeLabel(this, "Label2");
    Label2->setFont(arial());
    setTextColour(Label2, Qt::white);

    PauseSign = new PauseGlyph(this);
    PauseSign->setObjectName(QStringLiteral("PauseSign"));
    PauseSign->setAttribute(Qt::WA_TransparentForMouseEvents);
    PauseSign->hide();

    m_line = new QWidget(this);
    m_line->setObjectName(QStringLiteral("BottomLine"));
    m_line->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_line->hide();

    layoutControls();
    placeLineBaselines();
    placeWindow();

    for (BarLabel* label : {Label1, Label2, Label3, Label4}) {
        connect(label, &BarLabel::MouseDown, this, &Form1::Label_MouseDown);
        connect(label, &BarLabel::MouseMove, this, &Form1::Label_MouseMove);
        connect(label, &BarLabel::MouseUp, this, &Form1::Label_MouseUp);
    }
    connect(Image1, &PictureBox::MouseMove, this, &Form1::Image1_MouseMove);
    m_wheelClock.start();
}

Form1::~Form1() = default;

void Form1::layoutControls() {
    Label1->setGeometry(Twips::rect(0, 50, 13280, 280));
    Label4->setGeometry(Twips::rect(6840, 15, 405, 330));
    Image1->setGeometry(Twips::rect(6840, 45, 270, 270));
    Label3->setGeometry(Twips::rect(0, 0, 6300, 10));
    Shape1->setGeometry(Twips::rect(0, 15, 7140, 330));
    Label2->setGeometry(Twips::rect(0, m_label2Top, 6650, 330));
    PauseSign->setGeometry(Twips::rect(6600, 60, 225, 240)); // just left of the picture
}

// The raised English line rests on the French line's baseline; both keep their descenders
// above the outline's bottom edge.
void Form1::placeLineBaselines() {
    const QFontMetrics metrics(Label1->font());
    const int centred = Label1->y() + (Label1->height() - metrics.height()) / 2 + metrics.ascent();
    const int lowest = Shape1->geometry().bottom() - metrics.descent();
    const int baseline = std::min(centred, lowest); // in the bar
    Label1->setBaseline(baseline - Label1->y());
    Label2->setBaseline(baseline - Twips::toPixels(PlaybackTimers::kLabel2Raised));
}

void Form1::placeWindow() {
    setGeometry(Twips::toPixels(m_left), Twips::toPixels(m_top), Twips::toPixels(kWidth),
                std::max(1, Twips::toPixels(m_height)));
}

void Form1::setLeft(float twips) {
    m_left = twips;
    move(Twips::toPixels(m_left), y());
}

void Form1::setTop(float twips) {
    m_top = twips;
    move(x(), Twips::toPixels(m_top));
}

void Form1::setHeight(double twips) {
    m_height = twips;
    const int pixels = std::max(1, Twips::toPixels(twips));
    if (pixels != height())
        resize(width(), pixels);
    if (twips >= mlngBarHeight)
        m_line->hide(); // the line belongs to the collapsed strip only
    else if (!m_line->isHidden())
        placeBottomLine();
}

double Form1::screenWidthTwips() const {
    return Twips::fromPixels(m_windows.screenSize().width());
}

double Form1::screenHeightTwips() const {
    return Twips::fromPixels(m_windows.screenSize().height());
}

void Form1::makeTopmost() {
    m_windows.SetWindowPosTopmost(*this, Twips::toPixels(m_left), Twips::toPixelsTruncated(m_top),
                                  Twips::toPixelsTruncated(kWidth),
                                  Twips::toPixelsTruncated(m_height));
}

void Form1::setLabel1(const QString& caption) {
    Label1->setText(caption);
}

void Form1::setLabel2(const QString& caption) {
    Label2->setText(caption);
}

void Form1::setLabel2Top(int twips) {
    m_label2Top = twips;
    Label2->move(0, Twips::toPixels(twips));
}

void Form1::setVisible(bool visible) {
    QWidget::setVisible(visible);
}

bool Form1::Image1Enabled() const {
    return Image1->isEnabled();
}

void Form1::drawBottomLine(RgbColour colour) {
    paintBackground(m_line, QColor::fromRgb(colour));
    placeBottomLine();
    m_line->show();
    m_line->raise();
}

// The 20-twip strip along the bar's bottom edge.
void Form1::placeBottomLine() {
    m_line->setGeometry(Twips::rect(0, m_height - PlaybackTimers::kCollapsedHeight, kWidth,
                                    PlaybackTimers::kCollapsedHeight));
}

void Form1::Cls() {
    m_line->hide();
}

QColor Form1::lineColour() const {
    return m_line->isHidden() ? QColor() : m_line->palette().color(QPalette::Window);
}

void Form1::closeSplash() {
    if (splashCloser)
        splashCloser();
}

void Form1::showPaused(bool paused) {
    PauseSign->setVisible(paused);
    if (paused)
        PauseSign->raise();
}

bool Form1::SelectPreviousSentence() {
    if (!selectPreviousSentence)
        return false;
    const std::optional<bool> tooltips = selectPreviousSentence(mstrFrench, mstrEnglish);
    if (!tooltips)
        return false;
    if (*tooltips) {
        Label1->setToolTip(mstrFrench);
        Label2->setToolTip(mstrEnglish);
    }
    return true;
}

void Form1::SelectNextSentence() {
    if (!selectSentence)
        return;
    // In sequence mode the lines' tooltips follow the sentence.
    if (selectSentence(mstrFrench, mstrEnglish)) {
        Label1->setToolTip(mstrFrench);
        Label2->setToolTip(mstrEnglish);
    }
}
