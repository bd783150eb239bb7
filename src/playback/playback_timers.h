// The bar's five timers and what each tick does: the welcome countdown and auto-hide (Timer1),
// the blinking line on a collapsed bar (Timer2), the English slide-up (Timer3), the French
// slide-in (Timer4), and the play cycle (Timer5).
#pragma once

#include "platform/pointer.h"
#include "playback/caption_bar.h"
#include "playback/french_hold.h"
#include "playback/timer.h"

#include <QObject>
#include <cstdint>

class PlaybackTimers : public QObject {
    Q_OBJECT
public:
    PlaybackTimers(CaptionBar& bar, const PointerSource& pointer, QObject* parent = nullptr);

    // The start states the bar is created with; start-up re-arms them.
    Timer Timer1{60, true};
    Timer Timer2{1500, true};
    Timer Timer3{50, true};
    Timer Timer4{80, true};
    Timer Timer5{100, false};

    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer5_Timer();

    // Start-up's arming of the timers and its initial playback state.
    void armForStartUp();

    // Listen-first: the French may be held back while it is read. Null never holds.
    void setFrenchHold(FrenchHold* hold) { m_hold = hold; }
    // Drops what the cycle shows (both lines, the slides, a held French) and puts it back at
    // its first phase with no play counted, for a sentence chosen out of turn.
    void restartCycle();

    const POINT& cursor() const { return mptCursor; }

    static RgbColour QBColor(int colour);
    static QString welcomeText();

    static constexpr int kCollapsedHeight = 20;
    static constexpr int kLabel2Rest = 400;
    static constexpr int kLabel2Raised = 60;
    static constexpr int kSlideSteps = 36;

    // While held (the learner paused), the play cycle and both slides stand still where they
    // are; they carry on from there once released.
    bool held = false;

    int16_t mintSlide = 0;
    int16_t mintColor1 = 10;
    int16_t mintColor2 = 12;
    int16_t mintColor3 = 10;

private:
    void applyAutoHide();
    void countdownStep();
    void speechStep();
    void startFrench();  // slides the French in and has it read aloud
    void startEnglish(); // raises the English
    void clearEnglish(); // blanks the English and sends it back below the bar

    CaptionBar& m_bar;
    const PointerSource& m_pointer;
    POINT mptCursor;
    FrenchHold* m_hold = nullptr;
    bool m_holding = false;
};
