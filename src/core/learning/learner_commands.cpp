#include "core/learning/learner_commands.h"

#include "core/learning/learning_modes.h"
#include "core/playback/caption_bar_view.h"
#include "core/playback/playback_timers.h"
#include "core/playback/speaking_character.h"
#include "core/settings/settings_record.h"

LearnerCommands::LearnerCommands(PlaybackTimers& timers, CaptionBarView& bar,
                                 const SettingsRecord& settings, LearningModes* learning,
                                 QObject* parent)
    : QObject(parent), m_timers(timers), m_bar(bar), m_settings(settings), m_learning(learning) {}

bool LearnerCommands::paused() const {
    return m_timers.isHeld();
}

bool LearnerCommands::welcomeOver() const {
    return m_timers.welcomeOver();
}

bool LearnerCommands::canJump() {
    if (!welcomeOver())
        emit notNow(tr("Not now: the first sentence is on its way"));
    else if (!m_timers.playCycleTimer().isEnabled())
        emit notNow(tr("Not now: the settings dialog is open"));
    else
        return true;
    return false;
}

void LearnerCommands::togglePause() {
    if (welcomeOver())
        setPaused(!paused());
    else
        emit notNow(tr("Not now: the first sentence is on its way"));
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
    if (!welcomeOver() || m_bar.french().trimmed().isEmpty()) {
        emit notNow(tr("Not now: the first sentence is on its way"));
        return;
    }
    silence();
    SpeakingCharacter* character = m_bar.character();
    if (!character)
        return;
    // Asked for in so many words, the reading is heard even with reading aloud turned off.
    const bool away = !character->isVisible();
    if (away)
        character->show();
    (character->*speak)(m_bar.french());
    if (away)
        character->hide();
}

void LearnerCommands::next() {
    if (!canJump())
        return;
    m_bar.selectNextSentence();
    moved();
}

void LearnerCommands::previous() {
    if (!canJump() || !m_bar.selectPreviousSentence())
        return;
    moved();
}

void LearnerCommands::moved() {
    if (!paused()) {
        restartCycle();
        return;
    }
    silence();
    m_timers.showAtRest(m_settings.frenchComesFirst() ? BarLine::French : BarLine::English);
    m_restartOnResume = true;
    SpeakingCharacter* character = m_bar.character();
    if (character && m_settings.readsAloud())
        character->speak(m_bar.french());
}

void LearnerCommands::showOtherLanguage() {
    if (!canJump())
        return;
    if (!paused()) {
        if (!m_timers.showWithheldTranslation())
            emit notNow(tr("Pause first: the other language shows on the paused bar"));
        return;
    }
    const bool englishShown = m_timers.lineShown() == BarLine::English;
    m_timers.showAtRest(englishShown ? BarLine::French : BarLine::English);
    m_restartOnResume = true;
}

void LearnerCommands::knowThisOne() {
    if (!m_learning || !canJump() || m_learning->currentSentence() == 0)
        return;
    m_learning->markCurrentKnown();
    emit acted(tr("Marked as known"));
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
