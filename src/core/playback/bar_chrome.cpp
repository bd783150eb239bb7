#include "core/playback/bar_chrome.h"

#include "core/settings/product.h"
#include "core/settings/settings_record.h"

#include <algorithm>

namespace {
QString spaces(int count) {
    return QString(std::max(count, 0), QLatin1Char(' '));
}
} // namespace

BarChrome::BarChrome(CaptionBarView& bar, const PointerSource& pointer,
                     const SettingsRecord& settings, QObject* parent)
    : QObject(parent), m_bar(bar), m_pointer(pointer), m_settings(settings) {
    connect(&m_welcomeTimer, &Timer::tick, this, &BarChrome::onWelcomeTick);
    connect(&m_blinkTimer, &Timer::tick, this, &BarChrome::onBlinkTick);
}

QString BarChrome::welcomeText() {
    return QStringLiteral(" Welcome to use %1 %2.").arg(Product::kTitle, Product::kVersion);
}

RgbColour BarChrome::paletteColour(int colour) {
    static constexpr RgbColour palette[16] = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    return palette[colour & 15];
}

void BarChrome::armForStartUp() {
    m_welcomeTimer.setInterval(60);
    m_blinkTimer.setInterval(1500);
    m_welcomeTimer.setEnabled(true);
    m_blinkTimer.setEnabled(true);
    m_lineColours = kFirstLineColours;
    m_welcomeCountdown = kWelcomeTicks;
}

// Welcome countdown, pointer sample and auto-hide, every 60 ms.
void BarChrome::onWelcomeTick() {
    --m_welcomeCountdown;
    m_cursor = m_pointer.cursorPos();
    applyAutoHide();
    countdownStep();
}

void BarChrome::applyAutoHide() {
    const bool inside = m_bar.barRect().contains(m_cursor);
    const double full = m_bar.fullHeight();
    // A collapsed bar opens again only from its monitor's top rows; an open one stays open
    // while the pointer is on it.
    const bool keepFull =
        m_welcomeCountdown > 0 || !m_settings.autoHides() ||
        (inside && (m_cursor.y() - m_bar.barRect().top() <= 3 || m_bar.barHeight() == full));
    m_bar.setBarHeight(keepFull ? full : kCollapsedHeight);
}

void BarChrome::countdownStep() {
    const int count = m_welcomeCountdown;
    if (count == 0) {
        m_welcomeCountdown = 1;
    } else if (count == 1 || count == 2) {
        m_bar.setFrenchLine(QStringLiteral(" "));
        emit welcomeEnded();
    } else if (count >= 3 && count <= 20) {
        m_bar.setFrenchLine(welcomeText());
    } else if (count >= 21 && count <= 50) {
        emit splashCloseRequested();
        m_bar.setVisible(true);
        m_bar.setFrenchLine(spaces(count - 20) + welcomeText());
    } else if (count >= 51) {
        m_bar.setFrenchLine(spaces(count - 20) + welcomeText());
    }
}

// The blinking line on a collapsed bar, every 1.5 s. The colours move on as (a, b, c) becomes
// (b, c, b), which from green, red, green alternates the two.
void BarChrome::onBlinkTick() {
    if (m_bar.barHeight() != m_bar.fullHeight() && !m_bar.dragging())
        m_bar.drawBottomLine(paletteColour(m_lineColours[0]));
    else
        m_bar.clearBottomLine();
    m_lineColours = {m_lineColours[1], m_lineColours[2], m_lineColours[1]};
}
