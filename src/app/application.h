// The whole program once running: its windows, the sentence selector, the start-up sequence
// that brings them up, and every connection between them and the real desktop's services,
// which main() builds and hands over.
#pragma once

#include "core/decks/deck_library.h"
#include "core/learning/deck_play_order.h"
#include "core/learning/learning_modes.h"
#include "core/learning/play_order.h"
#include "core/learning/played_minutes.h"
#include "core/playback/bar_away.h"
#include "core/playback/play_cycle.h"
#include "core/playback/sentence_selector.h"
#include "core/playback/snooze.h"
#include "core/playback/step_aside.h"
#include "core/review/review_coordinator.h"
#include "core/review/review_schedule.h"
#include "ui/dialogs/progress_window.h"
#include "ui/dialogs/splash_window.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

class BarMenu;
class DeckActions;
class BarOptions;
class CaptionBar;
class CharacterWindow;
class DesktopCharacterLoader;
class EndRequests;
class EndSignals;
class FullScreenWatch;
class GlobalShortcuts;
class InstanceGuard;
class LearnActions;
class LearnerCommands;
class MenuCommands;
class PlaybackState;
class RandomSource;
class TrayIcon;
class VoiceChoice;
struct Platform;
struct SettingsRecord;

class Application : public QObject {
    Q_OBJECT
public:
    // The settings are the program's one record of them, loaded by start(). playback holds the
    // sentence on the bar and the dialog gate; the character reads it too. instance: the one
    // copy this process runs as, whose socket brings the other starts and the learner's
    // commands; Exit saves only while it still owns the store. None: Exit always saves.
    Application(Platform& platform, SettingsRecord& settings, RandomSource& random,
                PlaybackState& playback, InstanceGuard* instance = nullptr);
    ~Application() override;

    // The real program on the real desktop: Exit and every other end ending the process, the
    // character's voices and its view of the bar, start(), the learner's desktop keys and
    // tray, and the media controls.
    void startOnDesktop(DesktopCharacterLoader& characters);

    // The start-up sequence: the character, the settings, the splash, the timers, the first
    // sentence, and the bar placed topmost at the top of the screen (still hidden).
    void start();

    // Another copy was started: end a snooze, and bring the bar to the front, at once if it
    // shows, else as soon as it appears.
    void activate();

    // A learner's command from the command line: its word (learner_command_table.h), then its
    // value after a space for a command that takes one; or a deck command (deck_command_line.h)
    // with its argument.
    void runCommand(const QString& line);

    // The bar plays this deck from now on, or the built-in sentences for an empty name; the
    // choice is stored. A deck that cannot play is said and changes nothing.
    void playDeck(const QString& name);
    DeckLibrary& decks() { return m_deckLibrary; }
    DeckPlayOrder& deckOrder() { return m_deckOrder; }
    DeckActions& deckActions() { return *m_deckActions; }

    // The process is told to end some other way than Exit (a signal, the end of the session,
    // the display gone): the same save as Exit, then the end, never waiting on speech.
    void endAsExit();

    // An end the system asks for (a signal, the session's end, the display gone) is
    // endAsExit(), made at once.
    void endOn(EndSignals& ends);

    MenuCommands& commands() { return *m_commands; }
    // The tray icon, where the desktop has a tray, and the learner's keys for the whole
    // desktop; what is missing is said on standard error and the rest goes on. A tray that
    // comes later (a panel started after the program, as at login) gets the icon when it
    // comes. trayAvailable defaults to asking the desktop.
    void startLearnerControls(std::unique_ptr<GlobalShortcuts> shortcuts,
                              VoiceChoice* voices = nullptr,
                              std::function<bool()> trayAvailable = {});
    // Reads back where the bar really is, a moment after it first shows: the character keeps
    // clear of it, and a bar the window system did not put on the top edge is said once.
    void checkPlacement();
    static constexpr int kPlacementCheckMs = 1000;
    // Looks for a tray again; runs every kTrayWatchMs until the icon is shown.
    void onTrayWatchTick();
    static constexpr int kTrayWatchMs = 3000;
    const QTimer& trayWatchTimer() const { return m_trayWatch; }
    LearnerCommands& learner() { return *m_learner; }
    TrayIcon* tray() const { return m_tray.get(); }
    LearnActions& learnActions() { return *m_learn; }
    PlayOrder& playOrder() { return m_order; }
    PlaybackState& playback() { return m_playback; }
    PlayCycle& cycle() { return m_cycle; }

    CaptionBar& bar() { return *m_bar; }
    BarMenu& barMenu() { return *m_barMenu; }
    SplashWindow* splash() const { return m_splash; }

    // The sentences in review: their grades, what is due first while review is on. The outlook
    // is the Progress window's, on the learner's local calendar.
    ReviewCoordinator& review() { return m_review; }
    ReviewOutlook reviewOutlook() const { return m_review.outlook(); }

    // Listen first, known and seen sentences; and their window, opened or brought up.
    LearningModes& learning() { return m_learning; }

    // The bar away: snoozed, or out of a full-screen window's way (given the watch that sees
    // one; startOnDesktop() gives the real desktop's).
    Snooze& snooze() { return m_snooze; }
    StepAside& stepAside() { return m_stepAside; }
    BarAway& barAway() { return m_away; }
    void watchFullScreen(std::unique_ptr<FullScreenWatch> watch);
    void showProgress();
    ProgressWindow* progressWindow() const { return m_progress; }
    // The minutes the bar played, kept in the learner's records, for the Progress window.
    PlayedMinutes& playedMinutes() { return m_played; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadCharacter();
    void wireReview();
    void keepCharacterPlaces(CharacterWindow& window);
    void bringBarForward();
    void tellLearner(const QString& text);
    void showTray();
    void choosePlayingDeck(const QString& name);
    void reloadDecks();
    void startDeckPlaying();
    void showBarAway(bool away);
    void showBarWhenReleased(int polls);
    QRect barMonitor() const;
    static constexpr int kReleasePollMs = 10;
    static constexpr int kReleasePolls = 100;

    Platform& m_platform;
    SettingsRecord& m_settings;
    PlaybackState& m_playback;
    InstanceGuard* m_instance;
    QElapsedTimer m_sinceStart;
    DeckLibrary m_deckLibrary;
    DeckPlayOrder m_deckOrder;
    LearningModes m_learning;
    SentenceSelector m_selector;
    PlayOrder m_order;
    ReviewSchedule m_reviewSchedule;
    ReviewCoordinator m_review;
    std::unique_ptr<CaptionBar> m_bar;
    PlayCycle m_cycle;
    std::unique_ptr<BarMenu> m_barMenu;
    QPointer<SplashWindow> m_splash;
    QPointer<ProgressWindow> m_progress;
    MenuCommands* m_commands; // owned by the menu it serves
    bool m_activationPending = false;
    bool m_placementChecked = false;
    std::unique_ptr<LearnerCommands> m_learner;
    std::unique_ptr<LearnActions> m_learn;
    std::unique_ptr<DeckActions> m_deckActions;
    QLocale::Language m_spokenLanguage = QLocale::French;
    bool m_started = false;                   // start() is through
    bool m_deckSentencePending = false;       // the deck chosen at start is read, its sentence due
    std::unique_ptr<BarOptions> m_barOptions; // how the bar sits: width, top strip, monitor
    std::unique_ptr<TrayIcon> m_tray;
    std::function<bool()> m_trayAvailable;
    QTimer m_trayWatch;
    std::unique_ptr<GlobalShortcuts> m_shortcuts;
    // The real desktop's, from startOnDesktop().
    std::unique_ptr<EndRequests> m_endRequests;
    std::unique_ptr<VoiceChoice> m_voiceChoice;
    std::unique_ptr<QObject> m_mediaControls;
    Snooze m_snooze;
    StepAside m_stepAside;
    BarAway m_away;
    std::unique_ptr<FullScreenWatch> m_fullScreenWatch;
    bool m_characterAway = false; // Peedy was showing when the bar went away
    PlayedMinutes m_played;
};
