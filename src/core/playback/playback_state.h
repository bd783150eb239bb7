// What is playing, kept once: the sentence on the bar, the phase of its play cycle, whether the
// learner has paused, and whether a dialog is open. The play order writes the sentence, the play
// cycle its phase and the pause, the dialogs the gate; everyone else reads them here.
#pragma once

#include "core/playback/dialog_gate.h"

#include <QString>

// What the next play-cycle tick does; each phase stores its successor before it acts.
enum class CyclePhase {
    StartFirst,    // the first language comes in
    FirstShowing,  // its time runs
    StartSecond,   // the second language comes in
    SecondShowing, // its time runs
    Clear,         // both go; a cycle is counted
};

class PlaybackState {
public:
    // The sentence on the bar; its French id is 0 before the first one.
    int frenchId() const { return m_frenchId; }
    const QString& french() const { return m_french; }
    const QString& english() const { return m_english; }
    void setSentence(int frenchId, const QString& french, const QString& english);

    CyclePhase phase() const { return m_phase; }
    void setPhase(CyclePhase phase) { m_phase = phase; }

    // The learner's pause: the cycle's timing stands still.
    bool paused() const { return m_paused; }
    void setPaused(bool paused) { m_paused = paused; }

    DialogGate& gate() { return m_gate; }
    const DialogGate& gate() const { return m_gate; }

private:
    int m_frenchId = 0;
    QString m_french;
    QString m_english;
    CyclePhase m_phase = CyclePhase::StartFirst;
    bool m_paused = false;
    DialogGate m_gate;
};
