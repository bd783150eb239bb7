// What the learner can ask of the play cycle from the tray, the keyboard or the wheel: pause
// and resume, hear the sentence again (slowly too), and jump to the next or previous sentence.
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
    // Freezes the cycle where it is and silences the voice; a second call carries on.
    void togglePause();
    void replay();
    void replaySlowly();
    // Jump at once and start the cycle again at its first phase; a paused cycle resumes.
    void next();
    void previous();

signals:
    void pausedChanged(bool paused);

private:
    bool welcomeOver() const;
    bool cycleRunning() const;
    void setPaused(bool paused);
    void silence();
    void readAgain(CharacterResult (SpeakingCharacter::*speak)(const QString&));
    void restartCycle();

    PlaybackTimers& m_timers;
    CaptionBarView& m_bar;
};
