#include "core/learning/learner_commands.h"

#include "core/playback/caption_bar_view.h"
#include "core/playback/playback_timers.h"
#include "core/playback/speaking_character.h"
#include "core/settings/settings_record.h"

LearnerCommands::LearnerCommands(PlaybackTimers& timers, CaptionBarView& bar, QObject* parent)
    : QObject(parent), m_timers(timers), m_bar(bar) {}

bool LearnerCommands::paused() const {
    return m_timers.isHeld();
}

bool LearnerCommands::welcomeOver() const {
    return m_timers.welcomeOver();
}

// Not during the welcome, nor while the settings dialog holds the cycle.
bool LearnerCommands::cycleRunning() const {
    return welcomeOver() && m_timers.playCycleTimer().isEnabled();
}

void LearnerCommands::togglePause() {
    if (welcomeOver())
        setPaused(!paused());
}

void LearnerCommands::setPaused(bool paused) {
    if (paused == m_timers.isHeld())
        return;
    if (paused) {
        m_timers.pause();
        silence();
    } else if (m_restartOnResume) {
        m_timers.resume();
        restartCycle();
    } else {
        m_timers.resume();
    }
    emit pausedChanged(paused);
}

void LearnerCommands::silence() {
    if (SpeakingCharacter* character = m_bar.character())
        character->stop();
}

void LearnerCommands::replay() {
    readAgain(&SpeakingCharacter::speak);
}

void LearnerCommands::replaySlowly() {
    readAgain(&SpeakingCharacter::speakSlowly);
}

void LearnerCommands::readAgain(CharacterResult (SpeakingCharacter::*speak)(const QString&)) {
    if (!welcomeOver() || m_bar.french().trimmed().isEmpty())
        return;
    silence();
    if (SpeakingCharacter* character = m_bar.character())
        (character->*speak)(m_bar.french());
}

void LearnerCommands::next() {
    if (!cycleRunning())
        return;
    m_bar.selectNextSentence();
    moved();
}

void LearnerCommands::previous() {
    if (!cycleRunning() || !m_bar.selectPreviousSentence())
        return;
    moved();
}

void LearnerCommands::moved() {
    if (!paused()) {
        restartCycle();
        return;
    }
    silence();
    m_timers.showAtRest(Settings.frenchFirst == 1 ? BarLine::French : BarLine::English);
    m_restartOnResume = true;
    SpeakingCharacter* character = m_bar.character();
    if (character && Settings.readAloud == 1)
        character->speak(m_bar.french());
}

void LearnerCommands::showOtherLanguage() {
    if (!paused() || !cycleRunning())
        return;
    const bool englishShown = m_timers.lineShown() == BarLine::English;
    m_timers.showAtRest(englishShown ? BarLine::French : BarLine::English);
    m_restartOnResume = true;
}

// Drops what the cycle was showing and runs its first tick at once: the French slides in and
// is read (or the English rises first), as at the start of any sentence.
void LearnerCommands::restartCycle() {
    silence();
    m_timers.restartCycle();
    m_restartOnResume = false;
    setPaused(false);
    m_timers.onPlayCycleTick();
}
