// What the learner can ask of the play cycle from the menus, the keyboard or the wheel: pause
// and resume, hear the sentence again (slowly too), jump to the next or previous sentence, and,
// while paused, step through the sentences and turn the one shown to its other language.
// Commands that make no sense at the moment (during the welcome, with no sentence yet) do
// nothing. Which command needs what, and how each is reached, is in learner_command_table.h.
#pragma once

#include "core/learning/learner_command_table.h"

#include <QObject>

class BarChrome;
class LearningModes;
class PlayCycle;
class PlaybackState;
class SpeakingCharacter;
struct SettingsRecord;
struct CharacterResult;

class LearnerCommands : public QObject {
    Q_OBJECT
public:
    // learning: where "I know this one" marks the sentence; none marks nothing. The settings
    // say which line a step shows first and whether it is read aloud.
    LearnerCommands(PlayCycle& cycle, const BarChrome& chrome, const PlaybackState& state,
                    const SettingsRecord& settings, LearningModes* learning = nullptr,
                    QObject* parent = nullptr);

    // Carries out the command as its row in the table says; value: what it was given, for a
    // command that takes one.
    void run(LearnerCommand command, const QString& value = {});

    bool paused() const;
    // Pause a playing bar, resume a paused one; a bar that is already so is left alone.
    void pause();
    void resume();
    // Freezes the cycle where it is, its moving line at rest, and silences the voice; a second
    // call carries on. After a step or a turn, the shown sentence's cycle plays from its start.
    void togglePause();
    // Reads the sentence on the bar again, even with reading aloud turned off: the character
    // then comes for that reading and goes again.
    void replay();
    void replaySlowly();
    // Playing: jump at once and start the cycle again at its first phase. Paused: step to that
    // sentence, show its first line at rest, read the French once, and stay paused.
    void next();
    void previous();
    // Paused: the line shown turns to the sentence's other language, at rest. Playing with the
    // translation hidden: the English held back in its phase shows.
    void showOtherLanguage();
    // Marks the sentence on the bar known and moves on, as Next does and when Next would.
    void knowThisOne();
    // The sentence on the bar is to come back soon (sentenceJudged), and the bar moves on as it
    // does for I know this one.
    void thisOneIsHard();
    // The progress window is asked for (progressRequested).
    void requestProgress();
    // The program is to end as its Exit entry ends it (exitRequested).
    void requestExit();
    // The bar is to go away for so many minutes (text: 1 to 1440), or to come back.
    void snooze(const QString& minutes);
    void wake();

signals:
    void pausedChanged(bool paused);
    // What the learner made of the sentence on the bar (Replay, Replay slowly, I know this one,
    // This one is hard), said before the command acts on it.
    void sentenceJudged(LearnerCommand command);
    // A command could not act now; the reason is one short line for the learner.
    void notNow(const QString& reason);
    // A command did something the bar does not show by itself; one short line says what.
    void acted(const QString& what);
    // The progress window is to open, or come forward.
    void progressRequested();
    void exitRequested();
    void snoozeRequested(int minutes);
    void wakeRequested();

private:
    bool welcomeOver() const;
    // Whether the command may act now (its row's Readiness); says why not when it may not.
    bool mayAct(LearnerCommand command);
    void setPaused(bool paused);
    void silence();
    void readAgain(LearnerCommand command,
                   CharacterResult (SpeakingCharacter::*speak)(const QString&));
    void moved();
    void restartCycle();

    PlayCycle& m_cycle;
    const BarChrome& m_chrome;
    const PlaybackState& m_state;
    const SettingsRecord& m_settings;
    LearningModes* m_learning;
    bool m_restartOnResume = false; // the paused bar shows another sentence or line
};
