// What the learner can ask of the play cycle from the menus, the keyboard or the wheel: pause
// and resume, hear the sentence again (slowly too), jump to the next or previous sentence, and,
// while paused, step through the sentences and turn the one shown to its other language.
// Commands that make no sense at the moment (during the welcome, with no sentence yet) do
// nothing.
#pragma once

#include <QObject>

class CaptionBarView;
class LearningModes;
class PlaybackTimers;
class SpeakingCharacter;
struct SettingsRecord;
struct CharacterResult;

class LearnerCommands : public QObject {
    Q_OBJECT
public:
    // learning: where "I know this one" marks the sentence; none marks nothing. The settings
    // say which line a step shows first and whether it is read aloud.
    LearnerCommands(PlaybackTimers& timers, CaptionBarView& bar, const SettingsRecord& settings,
                    LearningModes* learning = nullptr, QObject* parent = nullptr);

    bool paused() const;
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

signals:
    void pausedChanged(bool paused);
    // A command could not act now; the reason is one short line for the learner.
    void notNow(const QString& reason);
    // A command did something the bar does not show by itself; one short line says what.
    void acted(const QString& what);

private:
    bool welcomeOver() const;
    // Whether jumps may act now; says why not when they may not.
    bool canJump();
    void setPaused(bool paused);
    void silence();
    void readAgain(CharacterResult (SpeakingCharacter::*speak)(const QString&));
    void moved();
    void restartCycle();

    PlaybackTimers& m_timers;
    CaptionBarView& m_bar;
    const SettingsRecord& m_settings;
    LearningModes* m_learning;
    bool m_restartOnResume = false; // the paused bar shows another sentence or line
};
