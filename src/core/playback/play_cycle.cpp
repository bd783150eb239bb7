#include "core/playback/play_cycle.h"

#include "core/playback/bar_chrome.h"
#include "core/playback/sentence_order.h"
#include "core/playback/speaking_character.h"
#include "core/settings/settings_record.h"

#include <algorithm>

namespace {
QString spaces(int count) {
    return QString(std::max(count, 0), QLatin1Char(' '));
}
} // namespace

PlayCycle::PlayCycle(CaptionBarView& bar, PlaybackState& state, SentenceOrder& order,
                     const BarChrome& chrome, const SettingsRecord& settings, QObject* parent)
    : QObject(parent), m_bar(bar), m_state(state), m_order(order), m_chrome(chrome),
      m_settings(settings), m_scroll(bar) {
    connect(&m_englishRiseTimer, &Timer::tick, this, &PlayCycle::onEnglishRiseTick);
    connect(&m_frenchSlideTimer, &Timer::tick, this, &PlayCycle::onFrenchSlideTick);
    connect(&m_playCycleTimer, &Timer::tick, this, &PlayCycle::onPlayCycleTick);
    connect(&chrome, &BarChrome::welcomeEnded, this, &PlayCycle::startAfterWelcome);
}

void PlayCycle::armForStartUp() {
    m_englishRiseTimer.setEnabled(false);
    m_frenchSlideTimer.setEnabled(false);
    m_playCycleTimer.setEnabled(false);
    m_cycleTick = 0;
    m_state.setPhase(CyclePhase::StartFirst);
}

void PlayCycle::startAfterWelcome() {
    if (!m_state.gate().isOpen() && !m_away)
        m_playCycleTimer.setEnabled(true);
}

void PlayCycle::holdForSettings() {
    m_playCycleTimer.setEnabled(false);
}

void PlayCycle::releaseAfterSettings() {
    if (m_chrome.welcomeOver() && !m_away)
        m_playCycleTimer.setEnabled(true);
}

void PlayCycle::selectNextSentence() {
    if (m_order.next())
        showTooltips();
}

bool PlayCycle::selectPreviousSentence() {
    const std::optional<bool> tooltips = m_order.previous();
    if (!tooltips)
        return false;
    if (*tooltips)
        showTooltips();
    return true;
}

void PlayCycle::showTooltips() {
    m_bar.setLineTooltips(m_state.french(), m_state.english());
}

// The English line rises from below the bar, every 50 ms.
void PlayCycle::onEnglishRiseTick() {
    if (m_state.paused() || m_away)
        return;
    m_bar.setEnglishLine(QStringLiteral(" ") + m_state.english());
    m_englishOnBar = true;
    if (m_bar.englishLineTop() > kEnglishLineRaised) {
        m_bar.setEnglishLineTop(m_bar.englishLineTop() - 10);
    } else {
        riseComplete();
        emit lineAtRest(BarLine::English);
        m_scroll.startIfLong(BarLine::English);
    }
}

void PlayCycle::riseComplete() {
    m_bar.setEnglishLineTop(kEnglishLineRaised);
    m_englishRiseTimer.setEnabled(false);
}

// The French line slides in from the right, every 80 ms.
void PlayCycle::onFrenchSlideTick() {
    if (m_state.paused() || m_away)
        return;
    m_bar.setFrenchLine(spaces(kSlideSteps - m_slideStep) + m_state.french());
    m_frenchOnBar = true;
    ++m_slideStep;
    if (m_slideStep == kSlideSteps) {
        slideComplete();
        emit lineAtRest(BarLine::French);
        m_scroll.startIfLong(BarLine::French);
    }
}

void PlayCycle::slideComplete() {
    m_slideStep = 0;
    m_frenchSlideTimer.setEnabled(false);
}

// The play cycle, every 100 ms: the first language, its time, the second language, its time.
void PlayCycle::onPlayCycleTick() {
    if (m_state.paused() || m_away)
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
    if (m_scroll.line())
        return;
    ++m_cycleTick;
    if (m_cyclesPlayed >= m_settings.playsPerSentence) {
        m_cyclesPlayed = 0;
        emit sentencePlayedThrough();
        selectNextSentence();
    }
    const bool frenchFirst = m_settings.frenchComesFirst();
    const int16_t first = static_cast<int16_t>(
        (frenchFirst ? m_settings.frenchSeconds : m_settings.englishSeconds) * 10);
    const int16_t both =
        static_cast<int16_t>((m_settings.frenchSeconds + m_settings.englishSeconds) * 10);
    switch (m_state.phase()) {
    case CyclePhase::StartFirst:
        m_state.setPhase(CyclePhase::FirstShowing);
        if (frenchFirst)
            startFrench();
        else
            startEnglish();
        break;
    case CyclePhase::FirstShowing:
        m_state.setPhase(m_cycleTick >= 0 && m_cycleTick < first ? CyclePhase::FirstShowing
                                                                 : CyclePhase::StartSecond);
        break;
    case CyclePhase::StartSecond:
        m_state.setPhase(CyclePhase::SecondShowing);
        if (frenchFirst) {
            if (!m_translationHidden) // else the French stays while the English is recalled
                blankFrench();
            startEnglish();
        } else {
            clearEnglish();
            startFrench();
        }
        break;
    case CyclePhase::SecondShowing:
        m_state.setPhase(m_cycleTick >= first && m_cycleTick <= both ? CyclePhase::SecondShowing
                                                                     : CyclePhase::Clear);
        break;
    case CyclePhase::Clear:
        m_state.setPhase(CyclePhase::StartFirst);
        if (frenchFirst) {
            clearEnglish();
            blankFrench(); // kept through a held-back English phase
        } else {
            blankFrench();
        }
        ++m_cyclesPlayed;
        m_cycleTick = 0;
        break;
    }
}

void PlayCycle::startFrench() {
    const auto start =
        m_hold ? m_hold->begin(m_character, m_state.french()) : FrenchHold::Start::Off;
    if (start == FrenchHold::Start::Holding) {
        m_holding = true;
        m_bar.showListening(true);
        return;
    }
    m_frenchSlideTimer.setEnabled(true);
    if (start == FrenchHold::Start::Off)
        speechStep();
}

void PlayCycle::restartCycle() {
    m_holding = false;
    m_englishWithheld = false;
    m_bar.showListening(false);
    m_englishRiseTimer.setEnabled(false);
    m_frenchSlideTimer.setEnabled(false);
    m_slideStep = 0;
    m_scroll.stop();
    m_scrollOnResume.reset();
    blankFrench();
    clearEnglish();
    m_cycleTick = 0;
    m_state.setPhase(CyclePhase::StartFirst);
    m_cyclesPlayed = 0;
}

void PlayCycle::startEnglish() {
    if (m_translationHidden)
        m_englishWithheld = true;
    else
        m_englishRiseTimer.setEnabled(true);
}

bool PlayCycle::showWithheldTranslation() {
    if (!m_englishWithheld || m_state.paused())
        return false;
    m_englishWithheld = false;
    if (m_scroll.line() == BarLine::French)
        m_scroll.stop();
    blankFrench();
    englishAtRest();
    emit lineAtRest(BarLine::English);
    m_scroll.startIfLong(BarLine::English);
    return true;
}

void PlayCycle::clearEnglish() {
    m_bar.setEnglishLine(QStringLiteral(" "));
    m_bar.setEnglishLineTop(kEnglishLineRest);
    m_englishOnBar = false;
    m_englishWithheld = false; // its phase is over
}

void PlayCycle::blankFrench() {
    m_bar.setFrenchLine(QStringLiteral(" "));
    m_frenchOnBar = false;
}

void PlayCycle::frenchAtRest() {
    m_bar.setFrenchLine(QStringLiteral(" ") + m_state.french());
    m_frenchOnBar = true;
}

void PlayCycle::englishAtRest() {
    m_bar.setEnglishLine(QStringLiteral(" ") + m_state.english());
    m_bar.setEnglishLineTop(kEnglishLineRaised);
    m_englishOnBar = true;
}

void PlayCycle::pause() {
    if (m_state.paused())
        return;
    m_state.setPaused(true);
    m_bar.showPaused(true);
    if (m_away) // nothing moves; the way back shows the sentence as a pause does
        return;
    std::optional<BarLine> settled;
    if (m_holding) { // the French waited for its reading, which the pause has silenced
        m_holding = false;
        m_bar.showListening(false);
        m_frenchSlideTimer.setEnabled(true);
    }
    if (m_frenchSlideTimer.isEnabled()) {
        slideComplete();
        frenchAtRest();
        settled = BarLine::French;
    }
    if (m_englishRiseTimer.isEnabled()) {
        englishAtRest();
        m_englishRiseTimer.setEnabled(false);
        settled = BarLine::English;
    }
    if (const std::optional<BarLine> scrolling = m_scroll.line()) {
        settled = scrolling;
        m_bar.setLineScroll(*scrolling, 0);
        m_scroll.stop();
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
void PlayCycle::clearOfTheSign(BarLine line) {
    const int overflow = m_bar.lineOverflow(line);
    const int scrolled = m_bar.lineScroll(line);
    if (overflow <= scrolled)
        return;
    if (scrolled > 0)
        m_bar.setLineScroll(line, overflow);
    else
        m_scroll.startIfLong(line);
}

void PlayCycle::resume() {
    if (!m_state.paused())
        return;
    m_state.setPaused(false);
    m_bar.showPaused(false);
    if (m_away)
        return;
    if (m_scrollOnResume) {
        m_scroll.startIfLong(*m_scrollOnResume);
    } else if (m_scroll.line()) {
        m_scroll.remeasure(); // the sign has gone
    } else if (const auto shown = lineShown()) {
        const int overflow = m_bar.lineOverflow(*shown);
        if (m_bar.lineScroll(*shown) > overflow)
            m_bar.setLineScroll(*shown, overflow);
    }
    m_scrollOnResume.reset();
}

void PlayCycle::stepAway() {
    if (m_away)
        return;
    m_away = true;
    m_playCycleTimer.setEnabled(false);
    m_frenchSlideTimer.setEnabled(false);
    m_englishRiseTimer.setEnabled(false);
    m_scroll.stop();
    if (m_character)
        m_character->stop();
}

void PlayCycle::comeBack() {
    if (!m_away)
        return;
    m_away = false;
    restartCycle();
    if (m_state.paused()) {
        showAtRest(m_settings.frenchComesFirst() ? BarLine::French : BarLine::English);
        return;
    }
    if (!m_chrome.welcomeOver() || m_state.gate().isOpen())
        return;
    m_playCycleTimer.setEnabled(true);
    onPlayCycleTick();
}

// While paused a long line still scrolls once, so the learner stepping through the sentences
// reads its end too.
void PlayCycle::showAtRest(BarLine line) {
    restartCycle();
    if (line == BarLine::French)
        frenchAtRest();
    else
        englishAtRest();
    emit lineAtRest(line);
    m_scroll.startIfLong(line);
}

std::optional<BarLine> PlayCycle::lineShown() const {
    if (m_frenchOnBar)
        return BarLine::French;
    if (m_englishOnBar)
        return BarLine::English;
    return std::nullopt;
}

// The character reads the French and waves; whatever goes wrong with it, playback goes on.
void PlayCycle::speechStep() {
    if (!m_character)
        return;
    if (m_settings.readsAloud())
        m_character->speak(m_state.french());
    m_character->play(QStringLiteral("Wave"));
}
