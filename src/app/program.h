// The whole program once running: its windows, the sentence selector, and the start-up
// sequence that brings them up.
#pragma once

#include "about/form4.h"
#include "learning/play_order.h"
#include "playback/sentence_selector.h"

#include <QObject>
#include <QPointer>
#include <memory>

class Form1;
class Form2;
class GlobalShortcuts;
class LearnerCommands;
class RandomSource;
class TrayIcon;
struct Platform;

class Program : public QObject {
    Q_OBJECT
public:
    Program(Platform& platform, RandomSource& random);
    ~Program() override;

    // The start-up sequence: the character, the settings, the splash, the timers, the first
    // sentence, and the bar placed topmost at the top of the screen (still hidden).
    void Form_Load();

    // Another copy was started: bring the bar to the front.
    void activate();

    // The tray icon, where the desktop has a tray, and the learner's keys for the whole
    // desktop; what is missing is said on standard error and the rest goes on.
    void startLearnerControls(std::unique_ptr<GlobalShortcuts> shortcuts);
    LearnerCommands& learner() { return *m_learner; }
    TrayIcon* tray() const { return m_tray.get(); }

    Form1& bar() { return *m_form1; }
    Form4* splash() const { return m_form4; }

private:
    void loadCharacter();

    Platform& m_platform;
    SentenceSelector m_selector;
    PlayOrder m_order;
    std::unique_ptr<Form1> m_form1;
    std::unique_ptr<Form2> m_form2;
    QPointer<Form4> m_form4;
    std::unique_ptr<LearnerCommands> m_learner;
    std::unique_ptr<TrayIcon> m_tray;
    std::unique_ptr<GlobalShortcuts> m_shortcuts;
};
