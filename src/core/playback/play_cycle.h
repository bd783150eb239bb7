// The play cycle, over three timers: playCycleTimer (100 ms) steps through the cycle (the first
// language in, its time, the second language in, its time, both cleared) and moves to the next
// sentence after the set number of cycles; frenchSlideTimer (80 ms) slides the French in from the
// right, reading it aloud; englishRiseTimer (50 ms) raises the English from below. A line too
// long for the bar scrolls on its own timer (LineScroll) while the cycle waits.
#pragma once

#include "core/playback/caption_bar_view.h"
#include "core/playback/french_hold.h"
#include "core/playback/line_scroll.h"
#include "core/playback/playback_state.h"
#include "core/playback/timer.h"

#include <QObject>
#include <cstdint>
#include <optional>

class BarChrome;
class SentenceOrder;
class SpeakingCharacter;
struct SettingsRecord;

class PlayCycle : public QObject {
    Q_OBJECT
public:
    // The cycle starts when the chrome's welcome ends, unless a dialog is open then. The
    // settings give the display times, the plays per sentence, the order and reading aloud.
    PlayCycle(CaptionBarView& bar, PlaybackState& state, SentenceOrder& order,
              const BarChrome& chrome, const SettingsRecord& settings, QObject* parent = nullptr);

    Timer& playCycleTimer() { return m_playCycleTimer; }
    Timer& frenchSlideTimer() { return m_frenchSlideTimer; }
    Timer& englishRiseTimer() { return m_englishRiseTimer; }
    LineScroll& lineScroll() { return m_scroll; }

    void onPlayCycleTick();
    void onFrenchSlideTick();
    void onEnglishRiseTick();

    // Start-up's arming of the three timers and the cycle's first phase.
    void armForStartUp();

    // Who reads the French aloud and waves; null reads nothing.
    void setCharacter(SpeakingCharacter* character) { m_character = character; }
    SpeakingCharacter* character() const { return m_character; }

    // The next sentence from the order; in sequence mode the lines' tooltips follow it.
    void selectNextSentence();
    // The sentence before the current one in play order; false, changing nothing, when there
    // is none to go back to.
    bool selectPreviousSentence();

    // The settings dialog holds the cycle still while it is open. Released, the cycle runs on
    // if the welcome is over; during the welcome, the welcome's end starts it.
    void holdForSettings();
    void releaseAfterSettings();
    // False until the welcome's end starts the cycle, and while the settings dialog holds it.
    bool isRunning() const { return m_playCycleTimer.isEnabled(); }

    // Tenths of a second into the current play cycle, and the cycles finished for the current
    // sentence; its phase is the playback state's.
    int16_t cycleTick() const { return m_cycleTick; }
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

    // The bar is away (snoozed, or out of a full-screen window's way): every timer stands
    // still, the voice stops, and nothing comes to rest, so nothing counts as seen.
    void stepAway();
    // The sentence on the bar plays again from its start (paused: its first line shows at
    // rest), once the welcome is over and no dialog holds the cycle.
    void comeBack();
    bool isAway() const { return m_away; }

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

    static constexpr int kEnglishLineRest = 400; // twips
    static constexpr int kEnglishLineRaised = 60;
    static constexpr int kSlideSteps = 36;

signals:
    // A line of the current sentence has come to rest on the bar, readable.
    void lineAtRest(BarLine line);
    // The sentence on the bar has played all its repeats; the next one comes right after.
    void sentencePlayedThrough();

private:
    void startAfterWelcome();
    void showTooltips();
    void speechStep();
    void startFrench();  // slides the French in and has it read aloud
    void startEnglish(); // raises the English
    void clearEnglish(); // blanks the English and sends it back below the bar
    void blankFrench();
    void frenchAtRest();  // the French whole on the bar, unmoving
    void englishAtRest(); // the English whole on the bar, risen
    void riseComplete();
    void slideComplete();
    void clearOfTheSign(BarLine line);

    // The start states the bar is created with; start-up re-arms them.
    Timer m_englishRiseTimer{50, true};
    Timer m_frenchSlideTimer{80, true};
    Timer m_playCycleTimer{100, false};

    CaptionBarView& m_bar;
    PlaybackState& m_state;
    SentenceOrder& m_order;
    const BarChrome& m_chrome;
    const SettingsRecord& m_settings;
    LineScroll m_scroll;
    SpeakingCharacter* m_character = nullptr;
    FrenchHold* m_hold = nullptr;
    bool m_holding = false;
    bool m_frenchOnBar = false;
    bool m_englishOnBar = false;
    bool m_translationHidden = false;
    bool m_englishWithheld = false; // an English phase runs with its line held back
    bool m_away = false;
    // A long line that was paused before it could scroll: it scrolls on resume.
    std::optional<BarLine> m_scrollOnResume;
    int16_t m_cycleTick = 0;
    int16_t m_cyclesPlayed = 0;
    int16_t m_slideStep = 0;
};
