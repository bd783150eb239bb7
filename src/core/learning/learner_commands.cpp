#include "core/learning/learner_commands.h"

#include "core/learning/learning_modes.h"
#include "core/logging.h"
#include "core/playback/bar_chrome.h"
#include "core/playback/play_cycle.h"
#include "core/playback/playback_state.h"
#include "core/playback/snooze.h"
#include "core/playback/speaking_character.h"
#include "core/settings/settings_record.h"

namespace {

// What the learner is told when a command cannot act now.
const char* const kFirstSentenceComing =
    QT_TRANSLATE_NOOP("LearnerCommands", "Not now: the first sentence is on its way");
const char* const kDialogOpen =
    QT_TRANSLATE_NOOP("LearnerCommands", "Not now: the settings dialog is open");
const char* const kBarAway =
    QT_TRANSLATE_NOOP("LearnerCommands", "Not now: the bar is away until it comes back");
const char* const kPauseFirst =
    QT_TRANSLATE_NOOP("LearnerCommands", "Pause first: the other language shows on the paused bar");

} // namespace

LearnerCommands::LearnerCommands(PlayCycle& cycle, const BarChrome& chrome,
                                 const PlaybackState& state, const SettingsRecord& settings,
                                 LearningModes* learning, QObject* parent)
    : QObject(parent), m_cycle(cycle), m_chrome(chrome), m_state(state), m_settings(settings),
      m_learning(learning) {}

void LearnerCommands::run(LearnerCommand command, const QString& value) {
    const LearnerCommandRow& row = learnerCommand(command);
    if (row.runWith)
        (this->*row.runWith)(value);
    else
        (this->*row.run)();
}

bool LearnerCommands::paused() const {
    return m_state.paused();
}

bool LearnerCommands::welcomeOver() const {
    return m_chrome.welcomeOver();
}

bool LearnerCommands::mayAct(LearnerCommand command) {
    const Readiness needs = learnerCommand(command).needs;
    if (needs == Readiness::Anytime)
        return true;
    if (!welcomeOver() ||
        (needs == Readiness::SentenceOnBar && m_state.french().trimmed().isEmpty()))
        emit notNow(tr(kFirstSentenceComing));
    else if (needs != Readiness::AfterWelcome && m_cycle.isAway())
        emit notNow(tr(kBarAway));
    else if (needs == Readiness::FreeCycle && !m_cycle.isRunning())
        emit notNow(tr(kDialogOpen));
    else
        return true;
    return false;
}

void LearnerCommands::pause() {
    if (!paused() && mayAct(LearnerCommand::Pause))
        setPaused(true);
}

void LearnerCommands::resume() {
    if (paused() && mayAct(LearnerCommand::Resume))
        setPaused(false);
}

void LearnerCommands::togglePause() {
    if (mayAct(LearnerCommand::TogglePause))
        setPaused(!paused());
}

void LearnerCommands::setPaused(bool paused) {
    if (paused == m_state.paused())
        return;
    if (paused) {
        m_cycle.pause();
        silence();
    } else if (m_restartOnResume) {
        m_cycle.resume();
        restartCycle();
    } else {
        m_cycle.resume();
    }
    emit pausedChanged(paused);
}

void LearnerCommands::silence() {
    if (SpeakingCharacter* character = m_cycle.character())
        character->stop();
}

void LearnerCommands::replay() {
    readAgain(LearnerCommand::Replay, &SpeakingCharacter::speak);
}

void LearnerCommands::replaySlowly() {
    readAgain(LearnerCommand::ReplaySlowly, &SpeakingCharacter::speakSlowly);
}

void LearnerCommands::readAgain(LearnerCommand command,
                                CharacterResult (SpeakingCharacter::*speak)(const QString&)) {
    if (!mayAct(command))
        return;
    emit sentenceJudged(command);
    silence();
    SpeakingCharacter* character = m_cycle.character();
    if (!character)
        return;
    // Asked for in so many words, the reading is heard even with reading aloud turned off.
    const bool away = !character->isVisible();
    if (away)
        character->show();
    (character->*speak)(m_state.french());
    if (away)
        character->hide();
}

void LearnerCommands::next() {
    if (!mayAct(LearnerCommand::Next))
        return;
    m_cycle.selectNextSentence();
    moved();
}

void LearnerCommands::previous() {
    if (!mayAct(LearnerCommand::Previous) || !m_cycle.selectPreviousSentence())
        return;
    moved();
}

void LearnerCommands::moved() {
    if (!paused()) {
        restartCycle();
        return;
    }
    silence();
    m_cycle.showAtRest(m_settings.frenchComesFirst() ? BarLine::French : BarLine::English);
    m_restartOnResume = true;
    SpeakingCharacter* character = m_cycle.character();
    if (character && m_settings.readsAloud())
        character->speak(m_state.french());
}

void LearnerCommands::showOtherLanguage() {
    if (!mayAct(LearnerCommand::OtherLanguage))
        return;
    if (!paused()) {
        if (!m_cycle.showWithheldTranslation())
            emit notNow(tr(kPauseFirst));
        return;
    }
    const bool englishShown = m_cycle.lineShown() == BarLine::English;
    m_cycle.showAtRest(englishShown ? BarLine::French : BarLine::English);
    m_restartOnResume = true;
}

void LearnerCommands::knowThisOne() {
    if (!m_learning || !mayAct(LearnerCommand::Known) || m_state.frenchId() == 0)
        return;
    emit sentenceJudged(LearnerCommand::Known);
    m_learning->markCurrentKnown();
    emit acted(tr("Marked as known"));
}

void LearnerCommands::thisOneIsHard() {
    if (!mayAct(LearnerCommand::Hard) || m_state.frenchId() == 0)
        return;
    emit sentenceJudged(LearnerCommand::Hard);
    m_cycle.selectNextSentence();
    moved();
}

void LearnerCommands::requestProgress() {
    emit progressRequested();
}

void LearnerCommands::requestExit() {
    emit exitRequested();
}

void LearnerCommands::snooze(const QString& minutes) {
    if (const int count = Snooze::minutesIn(minutes))
        emit snoozeRequested(count);
    else
        qCWarning(lcLearning).noquote()
            << QStringLiteral("a snooze of \"%1\" minutes was asked for: it takes 1 to %2")
                   .arg(minutes)
                   .arg(Snooze::kLongestMinutes);
}

void LearnerCommands::wake() {
    emit wakeRequested();
}

// Drops what the cycle was showing and runs its first tick at once: the French slides in and
// is read (or the English rises first), as at the start of any sentence.
void LearnerCommands::restartCycle() {
    silence();
    m_cycle.restartCycle();
    m_restartOnResume = false;
    setPaused(false);
    m_cycle.onPlayCycleTick();
}
