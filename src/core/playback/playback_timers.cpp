#include "core/playback/playback_timers.h"

#include "core/playback/caption_bar_view.h"
#include "core/playback/speaking_character.h"
#include "core/settings/product.h"
#include "core/settings/settings_record.h"

#include <algorithm>

namespace {
QString spaces(int count) {
    return QString(std::max(count, 0), QLatin1Char(' '));
}
} // namespace

PlaybackTimers::PlaybackTimers(CaptionBarView& bar, const PointerSource& pointer,
                               const SettingsRecord& settings, QObject* parent)
    : QObject(parent), m_bar(bar), m_pointer(pointer), m_settings(settings) {
    connect(&m_welcomeTimer, &Timer::tick, this, &PlaybackTimers::onWelcomeTick);
    connect(&m_blinkTimer, &Timer::tick, this, &PlaybackTimers::onBlinkTick);
    connect(&m_englishRiseTimer, &Timer::tick, this, &PlaybackTimers::onEnglishRiseTick);
    connect(&m_frenchSlideTimer, &Timer::tick, this, &PlaybackTimers::onFrenchSlideTick);
    connect(&m_playCycleTimer, &Timer::tick, this, &PlaybackTimers::onPlayCycleTick);
    connect(&m_scrollTimer, &Timer::tick, this, &PlaybackTimers::onScrollTick);
}

QString PlaybackTimers::welcomeText() {
    return QStringLiteral(" Welcome to use %1 %2.").arg(Product::kTitle, Product::kVersion);
}

RgbColour PlaybackTimers::paletteColour(int colour) {
    static constexpr RgbColour palette[16] = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    return palette[colour & 15];
}

void PlaybackTimers::armForStartUp() {
    m_welcomeTimer.setInterval(60);
    m_blinkTimer.setInterval(1500);
    m_welcomeTimer.setEnabled(true);
    m_blinkTimer.setEnabled(true);
    m_englishRiseTimer.setEnabled(false);
    m_frenchSlideTimer.setEnabled(false);
    m_playCycleTimer.setEnabled(false);
    m_cycleTick = 0;
    m_cyclePhase = 0;
    m_lineColour1 = 10;
    m_lineColour2 = 12;
    m_lineColour3 = 10;
    m_welcomeCountdown = kWelcomeTicks;
}

// Welcome countdown, pointer sample and auto-hide, every 60 ms.
void PlaybackTimers::onWelcomeTick() {
    --m_welcomeCountdown;
    m_cursor = m_pointer.cursorPos();
    applyAutoHide();
    countdownStep();
}

void PlaybackTimers::applyAutoHide() {
    const bool inside = m_bar.barRect().contains(m_cursor);
    const double full = m_bar.fullHeight();
    // A collapsed bar opens again only from the screen's top rows; an open one stays open
    // while the pointer is on it.
    const bool keepFull = m_welcomeCountdown > 0 || !m_settings.autoHides() ||
                          (inside && (m_cursor.y() <= 3 || m_bar.barHeight() == full));
    m_bar.setBarHeight(keepFull ? full : kCollapsedHeight);
}

void PlaybackTimers::countdownStep() {
    const int count = m_welcomeCountdown;
    if (count == 0) {
        m_welcomeCountdown = 1;
    } else if (count == 1 || count == 2) {
        m_bar.setFrenchLine(QStringLiteral(" "));
        if (m_bar.menuEnabled())
            m_playCycleTimer.setEnabled(true);
    } else if (count >= 3 && count <= 20) {
        m_bar.setFrenchLine(welcomeText());
    } else if (count >= 21 && count <= 50) {
        m_bar.closeSplash();
        m_bar.setVisible(true);
        m_bar.setFrenchLine(spaces(count - 20) + welcomeText());
    } else if (count >= 51) {
        m_bar.setFrenchLine(spaces(count - 20) + welcomeText());
    }
}

// The blinking line on a collapsed bar, every 1.5 s.
void PlaybackTimers::onBlinkTick() {
    if (m_bar.barHeight() != m_bar.fullHeight() && !m_bar.dragging())
        m_bar.drawBottomLine(paletteColour(m_lineColour1));
    else
        m_bar.clearBottomLine();
    const int16_t oldColor2 = m_lineColour2;
    m_lineColour1 = m_lineColour2;
    m_lineColour2 = m_lineColour3;
    m_lineColour3 = oldColor2;
}

// The English line rises from below the bar, every 50 ms.
void PlaybackTimers::onEnglishRiseTick() {
    if (m_held)
        return;
    m_bar.setEnglishLine(QStringLiteral(" ") + m_bar.english());
    m_englishOnBar = true;
    if (m_bar.englishLineTop() > kEnglishLineRaised) {
        m_bar.setEnglishLineTop(m_bar.englishLineTop() - 10);
    } else {
        riseComplete();
        emit lineAtRest(BarLine::English);
        startScrollIfLong(BarLine::English);
    }
}

void PlaybackTimers::riseComplete() {
    m_bar.setEnglishLineTop(kEnglishLineRaised);
    m_englishRiseTimer.setEnabled(false);
}

// The French line slides in from the right, every 80 ms.
void PlaybackTimers::onFrenchSlideTick() {
    if (m_held)
        return;
    m_bar.setFrenchLine(spaces(kSlideSteps - m_slideStep) + m_bar.french());
    m_frenchOnBar = true;
    ++m_slideStep;
    if (m_slideStep == kSlideSteps) {
        slideComplete();
        emit lineAtRest(BarLine::French);
        startScrollIfLong(BarLine::French);
    }
}

void PlaybackTimers::slideComplete() {
    m_slideStep = 0;
    m_frenchSlideTimer.setEnabled(false);
}

// The play cycle, every 100 ms: the first language, its time, the second language, its time.
void PlaybackTimers::onPlayCycleTick() {
    if (m_held)
        return;
    // While the French is being read first the cycle stands still; the tick that ends the
    // wait starts the slide-in and stands for the French's first tick.
    if (m_holding) {
        if (!m_hold || !m_hold->holding()) {
            m_holding = false;
            m_bar.showListening(false);
            m_frenchSlideTimer.setEnabled(true);
        }
        return;
    }
    // A long line takes the time it needs to scroll; its display time starts again after it.
    if (m_scrolling)
        return;
    ++m_cycleTick;
    if (m_cyclesPlayed >= m_settings.playsPerSentence) {
        m_cyclesPlayed = 0;
        m_bar.selectNextSentence();
    }
    const bool frenchFirst = m_settings.frenchComesFirst();
    const int16_t first = static_cast<int16_t>(
        (frenchFirst ? m_settings.frenchSeconds : m_settings.englishSeconds) * 10);
    const int16_t both =
        static_cast<int16_t>((m_settings.frenchSeconds + m_settings.englishSeconds) * 10);
    // Each phase stores its successor before it acts.
    switch (m_cyclePhase) {
    case 0:
        m_cyclePhase = 1;
        if (frenchFirst)
            startFrench();
        else
            startEnglish();
        break;
    case 1:
        m_cyclePhase = (m_cycleTick >= 0 && m_cycleTick < first) ? 1 : 2;
        break;
    case 2:
        m_cyclePhase = 3;
        if (frenchFirst) {
            if (!m_translationHidden) // else the French stays while the English is recalled
                blankFrench();
            startEnglish();
        } else {
            clearEnglish();
            startFrench();
        }
        break;
    case 3:
        m_cyclePhase = (m_cycleTick >= first && m_cycleTick <= both) ? 3 : 4;
        break;
    case 4:
        m_cyclePhase = 0;
        if (frenchFirst) {
            clearEnglish();
            blankFrench(); // kept through a held-back English phase
        } else {
            blankFrench();
        }
        ++m_cyclesPlayed;
        m_cycleTick = 0;
        break;
    default:
        break;
    }
}

void PlaybackTimers::startFrench() {
    const auto start =
        m_hold ? m_hold->begin(m_bar.character(), m_bar.french()) : FrenchHold::Start::Off;
    if (start == FrenchHold::Start::Holding) {
        m_holding = true;
        m_bar.showListening(true);
        return;
    }
    m_frenchSlideTimer.setEnabled(true);
    if (start == FrenchHold::Start::Off)
        speechStep();
}

void PlaybackTimers::restartCycle() {
    m_holding = false;
    m_englishWithheld = false;
    m_bar.showListening(false);
    m_englishRiseTimer.setEnabled(false);
    m_frenchSlideTimer.setEnabled(false);
    m_slideStep = 0;
    stopScroll();
    m_scrollOnResume.reset();
    blankFrench();
    clearEnglish();
    m_cycleTick = 0;
    m_cyclePhase = 0;
    m_cyclesPlayed = 0;
}

void PlaybackTimers::startEnglish() {
    if (m_translationHidden)
        m_englishWithheld = true;
    else
        m_englishRiseTimer.setEnabled(true);
}

bool PlaybackTimers::showWithheldTranslation() {
    if (!m_englishWithheld || m_held)
        return false;
    m_englishWithheld = false;
    if (m_scrolling == BarLine::French)
        stopScroll();
    blankFrench();
    m_bar.setEnglishLine(QStringLiteral(" ") + m_bar.english());
    m_bar.setEnglishLineTop(kEnglishLineRaised);
    m_englishOnBar = true;
    emit lineAtRest(BarLine::English);
    startScrollIfLong(BarLine::English);
    return true;
}

void PlaybackTimers::clearEnglish() {
    m_bar.setEnglishLine(QStringLiteral(" "));
    m_bar.setEnglishLineTop(kEnglishLineRest);
    m_englishOnBar = false;
    m_englishWithheld = false; // its phase is over
}

void PlaybackTimers::blankFrench() {
    m_bar.setFrenchLine(QStringLiteral(" "));
    m_frenchOnBar = false;
}

void PlaybackTimers::startScrollIfLong(BarLine line) {
    const int overflow = m_bar.lineOverflow(line);
    if (overflow <= 0)
        return;
    m_scrolling = line;
    m_scrollTicks = 0;
    m_scrollDistance = overflow;
    m_scrollTimer.setEnabled(true);
}

// A moment on the line's start, then steadily left until its end is in view, where it stays.
void PlaybackTimers::onScrollTick() {
    if (!m_scrolling)
        return;
    ++m_scrollTicks;
    const int moved =
        std::clamp((m_scrollTicks - kScrollLeadTicks) * kScrollPixelsPerTick, 0, m_scrollDistance);
    m_bar.setLineScroll(*m_scrolling, moved);
    if (moved == m_scrollDistance)
        stopScroll();
}

void PlaybackTimers::stopScroll() {
    m_scrolling.reset();
    m_scrollTimer.setEnabled(false);
}

void PlaybackTimers::pause() {
    if (m_held)
        return;
    m_held = true;
    m_bar.showPaused(true);
    std::optional<BarLine> settled;
    if (m_holding) { // the French waited for its reading, which the pause has silenced
        m_holding = false;
        m_bar.showListening(false);
        m_frenchSlideTimer.setEnabled(true);
    }
    if (m_frenchSlideTimer.isEnabled()) {
        slideComplete();
        m_bar.setFrenchLine(QStringLiteral(" ") + m_bar.french());
        m_frenchOnBar = true;
        settled = BarLine::French;
    }
    if (m_englishRiseTimer.isEnabled()) {
        m_bar.setEnglishLine(QStringLiteral(" ") + m_bar.english());
        riseComplete();
        m_englishOnBar = true;
        settled = BarLine::English;
    }
    if (m_scrolling) {
        settled = m_scrolling;
        m_bar.setLineScroll(*m_scrolling, 0);
        stopScroll();
    }
    if (settled)
        emit lineAtRest(*settled);
    if (settled && m_bar.lineOverflow(*settled) > 0)
        m_scrollOnResume = settled;
    else if (const auto shown = lineShown(); shown && !settled)
        clearOfTheSign(*shown);
}

// A line at rest whose end the pause sign now covers: one that had scrolled to its end goes
// the few pixels further at once, one at its start scrolls once, as a stepped line does.
void PlaybackTimers::clearOfTheSign(BarLine line) {
    const int overflow = m_bar.lineOverflow(line);
    const int scrolled = m_bar.lineScroll(line);
    if (overflow <= scrolled)
        return;
    if (scrolled > 0)
        m_bar.setLineScroll(line, overflow);
    else
        startScrollIfLong(line);
}

void PlaybackTimers::resume() {
    if (!m_held)
        return;
    m_held = false;
    m_bar.showPaused(false);
    if (m_scrollOnResume) {
        startScrollIfLong(*m_scrollOnResume);
    } else if (m_scrolling) {
        m_scrollDistance = m_bar.lineOverflow(*m_scrolling); // the sign has gone
    } else if (const auto shown = lineShown()) {
        const int overflow = m_bar.lineOverflow(*shown);
        if (m_bar.lineScroll(*shown) > overflow)
            m_bar.setLineScroll(*shown, overflow);
    }
    m_scrollOnResume.reset();
}

// While paused a long line still scrolls once, so the learner stepping through the sentences
// reads its end too.
void PlaybackTimers::showAtRest(BarLine line) {
    restartCycle();
    if (line == BarLine::French) {
        m_bar.setFrenchLine(QStringLiteral(" ") + m_bar.french());
        m_frenchOnBar = true;
    } else {
        m_bar.setEnglishLine(QStringLiteral(" ") + m_bar.english());
        m_bar.setEnglishLineTop(kEnglishLineRaised);
        m_englishOnBar = true;
    }
    emit lineAtRest(line);
    startScrollIfLong(line);
}

std::optional<BarLine> PlaybackTimers::lineShown() const {
    if (m_frenchOnBar)
        return BarLine::French;
    if (m_englishOnBar)
        return BarLine::English;
    return std::nullopt;
}

// The character reads the French and waves; whatever goes wrong with it, playback goes on.
void PlaybackTimers::speechStep() {
    SpeakingCharacter* character = m_bar.character();
    if (!character)
        return;
    if (m_settings.readsAloud())
        character->speak(m_bar.french());
    character->play(QStringLiteral("Wave"));
}
