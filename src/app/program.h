// The whole program once running: its windows, the sentence selector, and the start-up
// sequence that brings them up.
#pragma once

#include "about/form4.h"
#include "learning/learning_modes.h"
#include "learning/play_order.h"
#include "playback/sentence_selector.h"
#include "progress/progress_window.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <memory>

class Form1;
class Form2;
class MenuCommands;
class GlobalShortcuts;
class LearnerCommands;
class RandomSource;
class TrayIcon;
class VoiceChoice;
struct Platform;

class Program : public QObject {
    Q_OBJECT
public:
    Program(Platform& platform, RandomSource& random);
    ~Program() override;

    // The start-up sequence: the character, the settings, the splash, the timers, the first
    // sentence, and the bar placed topmost at the top of the screen (still hidden).
    void Form_Load();

    // Another copy was started: bring the bar to the front, at once if it shows, else as
    // soon as it appears.
    void activate();

    // The process is told to end some other way than Exit (a signal, the end of the session,
    // the display gone): the same save as Exit, then the end, never waiting on speech.
    void endAsExit();

    MenuCommands& commands() { return *m_commands; }
    // The tray icon, where the desktop has a tray, and the learner's keys for the whole
    // desktop; what is missing is said on standard error and the rest goes on.
    void startLearnerControls(std::unique_ptr<GlobalShortcuts> shortcuts,
                              VoiceChoice* voices = nullptr);
    LearnerCommands& learner() { return *m_learner; }
    TrayIcon* tray() const { return m_tray.get(); }

    Form1& bar() { return *m_form1; }
    Form4* splash() const { return m_form4; }

    // Listen first, known and seen sentences; and their window, opened or brought up.
    LearningModes& learning() { return m_learning; }
    void showProgress();
    ProgressWindow* progressWindow() const { return m_progress; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadCharacter();
    void bringBarForward();

    Platform& m_platform;
    QElapsedTimer m_sinceStart;
    LearningModes m_learning;
    SentenceSelector m_selector;
    PlayOrder m_order;
    std::unique_ptr<Form1> m_form1;
    std::unique_ptr<Form2> m_form2;
    QPointer<Form4> m_form4;
    QPointer<ProgressWindow> m_progress;
    MenuCommands* m_commands; // owned by the menu it serves
    bool m_activationPending = false;
    std::unique_ptr<LearnerCommands> m_learner;
    std::unique_ptr<TrayIcon> m_tray;
    std::unique_ptr<GlobalShortcuts> m_shortcuts;
};
