// What the learner can ask of the play cycle from the menus, the keyboard or the wheel: pause
// and resume, hear the sentence again (slowly too), jump to the next or previous sentence, and,
// while paused, step through the sentences and turn the one shown to its other language.
// Commands that make no sense at the moment (during the welcome, with no sentence yet) do
// nothing.
#pragma once

#include <QObject>

class SpeakingCharacter;
struct CharacterResult;
class CaptionBarView;
class PlaybackTimers;

class LearnerCommands : public QObject {
    Q_OBJECT
public:
    LearnerCommands(PlaybackTimers& timers, CaptionBarView& bar, QObject* parent = nullptr);

    bool paused() const;
    // Freezes the cycle where it is, its moving line at rest, and silences the voice; a second
    // call carries on. After a step or a turn, the shown sentence's cycle plays from its start.
    void togglePause();
    void replay();
    void replaySlowly();
    // Playing: jump at once and start the cycle again at its first phase. Paused: step to that
    // sentence, show its first line at rest, read the French once, and stay paused.
    void next();
    void previous();
    // Paused: the line shown turns to the sentence's other language, at rest.
    void showOtherLanguage();

signals:
    void pausedChanged(bool paused);

private:
    bool welcomeOver() const;
    bool cycleRunning() const;
    void setPaused(bool paused);
    void silence();
    void readAgain(CharacterResult (SpeakingCharacter::*speak)(const QString&));
    void moved();
    void restartCycle();

    PlaybackTimers& m_timers;
    CaptionBarView& m_bar;
    bool m_restartOnResume = false; // the paused bar shows another sentence or line
};
