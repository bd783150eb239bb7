// The bar's five timers and what each tick does: the welcome countdown, pointer sample and
// auto-hide (welcomeTimer), the blinking line on a collapsed bar (blinkTimer), the English rising
// into view (englishRiseTimer), the French sliding in (frenchSlideTimer), and the play cycle
// (playCycleTimer), and a line too long for the bar moving left until its end is in view
// (scrollTimer). The play state they share lives here too.
#pragma once

#include "core/playback/caption_bar_view.h"
#include "core/playback/french_hold.h"
#include "core/playback/timer.h"
#include "core/ports/pointer_source.h"

#include <QObject>
#include <QPoint>
#include <cstdint>
#include <optional>

struct SettingsRecord;

class PlaybackTimers : public QObject {
    Q_OBJECT
public:
    // The settings give the display times, the plays per sentence, the order and auto-hide.
    PlaybackTimers(CaptionBarView& bar, const PointerSource& pointer,
                   const SettingsRecord& settings, QObject* parent = nullptr);

    Timer& welcomeTimer() { return m_welcomeTimer; }
    Timer& blinkTimer() { return m_blinkTimer; }
    Timer& englishRiseTimer() { return m_englishRiseTimer; }
    Timer& frenchSlideTimer() { return m_frenchSlideTimer; }
    Timer& playCycleTimer() { return m_playCycleTimer; }
    Timer& scrollTimer() { return m_scrollTimer; }

    void onWelcomeTick();
    void onBlinkTick();
    void onEnglishRiseTick();
    void onFrenchSlideTick();
    void onPlayCycleTick();
    void onScrollTick();

    // Start-up's arming of the timers and its initial playback state.
    void armForStartUp();

    // The welcome countdown in welcome ticks; it rests at 1 once run out.
    int16_t welcomeCountdown() const { return m_welcomeCountdown; }
    // True once the welcome text is gone and sentences may play.
    bool welcomeOver() const { return m_welcomeCountdown <= 2; }
    // The splash was clicked: the welcome goes on from where the splash would have closed.
    void skipSplash() { m_welcomeCountdown = kSplashClosesAt; }

    // Tenths of a second into the current play cycle, its phase (0 to 4), and the cycles
    // finished for the current sentence.
    int16_t cycleTick() const { return m_cycleTick; }
    int16_t cyclePhase() const { return m_cyclePhase; }
    int16_t cyclesPlayed() const { return m_cyclesPlayed; }
    int16_t slideStep() const { return m_slideStep; }

    // Listen-first: the French may be held back while it is read. Null never holds.
    void setFrenchHold(FrenchHold* hold) { m_hold = hold; }
    // Drops what the cycle shows (both lines, the slides, a held French) and puts it back at
    // its first phase with no play counted, for a sentence chosen out of turn.
    void restartCycle();

    // The learner pauses: the cycle's timing stands still, the pause sign shows, and the line
    // on its way comes to rest at once (slid in, risen, a long line back at its start) so the
    // bar stays readable; a line at rest whose end the sign covers moves clear of it.
    void pause();
    // The timing goes on from where it stood; a long line scrolls again from its start.
    void resume();
    bool isHeld() const { return m_held; }

    // The learner tests themselves: the English phase keeps its time, the French stays on the
    // bar meanwhile, and the English shows only when asked for.
    void setTranslationHidden(bool hidden) { m_translationHidden = hidden; }
    bool translationHidden() const { return m_translationHidden; }
    // Playing, in an English phase whose line is held back: the English rises to rest now.
    // False, changing nothing, at any other time.
    bool showWithheldTranslation();

    // Paused: shows one line of the current sentence at rest, and nothing else.
    void showAtRest(BarLine line);
    // The line of the current sentence on the bar, if one is.
    std::optional<BarLine> lineShown() const;

    QPoint cursor() const { return m_cursor; }

signals:
    // A line of the current sentence has come to rest on the bar, readable.
    void lineAtRest(BarLine line);

public:
    // The sixteen colours of the blinking line, by number.
    static RgbColour paletteColour(int colour);
    static QString welcomeText();

    static constexpr int kCollapsedHeight = 20; // twips
    static constexpr int kEnglishLineRest = 400;
    static constexpr int kEnglishLineRaised = 60;
    static constexpr int kSlideSteps = 36;
    static constexpr int16_t kWelcomeTicks = 70;
    static constexpr int16_t kSplashClosesAt = 50;
    // A long line moves 2 pixels every 40 ms, 50 pixels a second: about eight characters a
    // second, slow enough to read as it goes, after a second and a half on its start.
    static constexpr int kScrollTickMs = 40;
    static constexpr int kScrollPixelsPerTick = 2;
    static constexpr int kScrollLeadTicks = 38;

private:
    void applyAutoHide();
    void countdownStep();
    void speechStep();
    void startFrench();  // slides the French in and has it read aloud
    void startEnglish(); // raises the English
    void clearEnglish(); // blanks the English and sends it back below the bar
    void blankFrench();
    void riseComplete();
    void slideComplete();
    void startScrollIfLong(BarLine line);
    void stopScroll();
    void clearOfTheSign(BarLine line);

    // The start states the bar is created with; start-up re-arms them.
    Timer m_welcomeTimer{60, true};
    Timer m_blinkTimer{1500, true};
    Timer m_englishRiseTimer{50, true};
    Timer m_frenchSlideTimer{80, true};
    Timer m_playCycleTimer{100, false};
    Timer m_scrollTimer{kScrollTickMs, false};

    CaptionBarView& m_bar;
    const PointerSource& m_pointer;
    const SettingsRecord& m_settings;
    QPoint m_cursor;
    FrenchHold* m_hold = nullptr;
    bool m_holding = false;
    bool m_held = false;
    bool m_frenchOnBar = false;
    bool m_englishOnBar = false;
    bool m_translationHidden = false;
    bool m_englishWithheld = false; // an English phase runs with its line held back
    // The line scrolling now (the cycle stands still meanwhile), and how far it has to go.
    std::optional<BarLine> m_scrolling;
    int m_scrollTicks = 0;
    int m_scrollDistance = 0;
    // A long line that was paused before it could scroll: it scrolls on resume.
    std::optional<BarLine> m_scrollOnResume;
    int16_t m_welcomeCountdown = 0;
    int16_t m_cycleTick = 0;
    int16_t m_cyclePhase = 0;
    int16_t m_cyclesPlayed = 0;
    int16_t m_slideStep = 0;
    int16_t m_lineColour1 = 10;
    int16_t m_lineColour2 = 12;
    int16_t m_lineColour3 = 10;
};
