#include "learning/learner_commands.h"

#include "app/module1.h"
#include "playback/agent.h"
#include "playback/caption_bar.h"
#include "playback/playback_timers.h"

LearnerCommands::LearnerCommands(PlaybackTimers& timers, CaptionBar& bar, QObject* parent)
    : QObject(parent), m_timers(timers), m_bar(bar) {}

bool LearnerCommands::paused() const {
    return m_timers.held;
}

// The countdown rests at 1 or 0 once the welcome text is gone.
bool LearnerCommands::welcomeOver() const {
    return gintStartCount <= 2;
}

// Not during the welcome, nor while the settings dialog holds the cycle.
bool LearnerCommands::cycleRunning() const {
    return welcomeOver() && m_timers.Timer5.Enabled();
}

void LearnerCommands::togglePause() {
    if (welcomeOver())
        setPaused(!paused());
}

void LearnerCommands::setPaused(bool paused) {
    if (paused == m_timers.held)
        return;
    m_timers.held = paused;
    if (paused)
        silence();
    emit pausedChanged(paused);
}

void LearnerCommands::silence() {
    if (AgentCharacter* agent = m_bar.character())
        agent->Stop();
}

void LearnerCommands::replay() {
    readAgain(&AgentCharacter::Speak);
}

void LearnerCommands::replaySlowly() {
    readAgain(&AgentCharacter::SpeakSlowly);
}

void LearnerCommands::readAgain(AgentResult (AgentCharacter::*speak)(const QString&)) {
    if (!welcomeOver() || m_bar.french().trimmed().isEmpty())
        return;
    silence();
    if (AgentCharacter* agent = m_bar.character())
        (agent->*speak)(m_bar.french());
}

void LearnerCommands::next() {
    if (!cycleRunning())
        return;
    m_bar.SelectNextSentence();
    restartCycle();
}

void LearnerCommands::previous() {
    if (!cycleRunning() || !m_bar.SelectPreviousSentence())
        return;
    restartCycle();
}

// Drops what the cycle was showing and runs its first tick at once: the French slides in and
// is read (or the English rises first), as at the start of any sentence.
void LearnerCommands::restartCycle() {
    silence();
    m_timers.restartCycle();
    setPaused(false);
    m_timers.Timer5_Timer();
}
