// The whole program once running: its windows, the sentence selector, and the start-up
// sequence that brings them up.
#pragma once

#include "about/form4.h"
#include "learning/learning_modes.h"
#include "playback/sentence_selector.h"
#include "progress/progress_window.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <memory>

class Form1;
class Form2;
class RandomSource;
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

    Form1& bar() { return *m_form1; }
    Form4* splash() const { return m_form4; }

    // Listen first, known and seen sentences; and their window, opened or brought up.
    LearningModes& learning() { return m_learning; }
    void showProgress();
    ProgressWindow* progressWindow() const { return m_progress; }

private:
    void loadCharacter();

    Platform& m_platform;
    QElapsedTimer m_sinceStart;
    LearningModes m_learning;
    SentenceSelector m_selector;
    std::unique_ptr<Form1> m_form1;
    std::unique_ptr<Form2> m_form2;
    QPointer<Form4> m_form4;
    QPointer<ProgressWindow> m_progress;
};
