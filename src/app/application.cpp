#include "app/application.h"

#include "app/deck_command_line.h"
#include "core/learning/learner_command_table.h"
#include "core/learning/learner_commands.h"
#include "core/learning/learner_shortcuts.h"
#include "core/lessons/dialogue_table.h"
#include "core/logging.h"
#include "core/playback/speaking_character.h"
#include "core/ports/end_signals.h"
#include "core/ports/full_screen_watch.h"
#include "core/ports/global_shortcuts.h"
#include "core/ports/instance_guard.h"
#include "core/ports/settings_store.h"
#include "core/ports/shell.h"
#include "core/settings/bar_settings.h"
#include "core/settings/product.h"
#include "core/settings/settings_keys.h"
#include "core/settings/settings_persistence.h"
#include "platform/end_requests.h"
#include "platform/os_services.h"
#include "platform/platform.h"
#include "platform/window_system.h"
#include "ui/bar/bar_menu.h"
#include "ui/bar/bar_options.h"
#include "ui/bar/caption_bar.h"
#include "ui/bar/menu_commands.h"
#include "ui/character/character_window.h"
#include "ui/character/desktop_character_loader.h"
#include "ui/character/peedy_character.h"
#include "ui/character/peedy_voice_choice.h"
#include "ui/decks/deck_actions.h"
#include "ui/learn/learn_actions.h"
#include "ui/tray/tray_icon.h"
#include "ui/widgets/twips.h"

#include <QDateTime>
#include <QEvent>
#include <QMenu>
#include <QScreen>
#include <QUrl>
#include <cstdlib>

namespace {

const QString kCharacterName = QStringLiteral("Peedy");

void report(const CharacterResult& result, const char* what) {
    if (!result.ok())
        qCWarning(lcDesktop, "%s: %s", what, qPrintable(result.error));
}

} // namespace

Application::Application(Platform& platform, SettingsRecord& settings, RandomSource& random,
                         PlaybackState& playback, InstanceGuard* instance)
    : m_platform(platform), m_settings(settings), m_playback(playback), m_instance(instance),
      m_deckLibrary(platform.decks),
      m_deckOrder(m_deckLibrary, settings, random, [this] { return m_sinceStart.elapsed(); }),
      m_learning(platform.store, settings, [this] { return m_sinceStart.elapsed(); }),
      m_selector(DialogueTable::builtIn(), settings, random, platform.messages),
      m_order(m_selector, DialogueTable::builtIn(), settings, playback),
      m_reviewSchedule(platform.records),
      m_review(m_reviewSchedule, platform.store, m_deckOrder, DialogueTable::builtIn(),
               [] { return QDateTime::currentMSecsSinceEpoch(); }),
      m_bar(std::make_unique<CaptionBar>(platform.windows, settings, playback.gate())),
      m_cycle(*m_bar, playback, m_order, m_bar->chrome(), settings),
      m_barMenu(std::make_unique<BarMenu>()),
      m_learner(std::make_unique<LearnerCommands>(m_cycle, m_bar->chrome(), playback, settings,
                                                  &m_learning)),
      m_learn(std::make_unique<LearnActions>(*m_learner, m_learning, platform.messages)),
      m_deckActions(std::make_unique<DeckActions>(m_deckLibrary, platform.messages)),
      m_snooze(platform.store), m_stepAside(platform.store, [this] { return barMonitor(); }),
      m_away(m_cycle, m_bar->chrome()), m_played(platform.records) {
    m_sinceStart.start();
    // Two copies never both save: one whose lock was taken over leaves the store alone.
    std::function<bool()> maySave;
    if (instance) {
        maySave = [instance] { return instance->maySave(); };
        connect(instance, &InstanceGuard::activationRequested, this, &Application::activate);
        connect(instance, &InstanceGuard::commandReceived, this, &Application::runCommand);
    }
    // owned by its menu
    m_commands =
        new MenuCommands(*m_bar, *m_barMenu, platform, settings, m_cycle, playback.gate(), maySave);
    connect(m_commands, &MenuCommands::aboutToExit, &m_learning, &LearningModes::save,
            Qt::DirectConnection);
    connect(m_commands, &MenuCommands::aboutToExit, &m_deckOrder, &DeckPlayOrder::save,
            Qt::DirectConnection);
    connect(m_commands, &MenuCommands::settingsOpened, this, [this](SettingsDialog& dialog) {
        QStringList playable;
        for (const LoadedDeck& deck : m_deckLibrary.decks())
            if (deck.damage.isEmpty() && !deck.sentences.empty())
                playable << deck.info.name;
        dialog.offerDecks(playable, m_deckOrder.name());
        connect(&dialog, &SettingsDialog::deckChosen, this, &Application::playDeck);
    });
    connect(m_bar.get(), &CaptionBar::fileDropped, m_deckActions.get(),
            [this](const QString& path) { m_deckActions->importFile(path); });
    m_order.setDecks(&m_deckOrder);
    m_learning.setDecks(&m_deckOrder);
    connect(&m_deckOrder, &DeckPlayOrder::notice, this, &Application::tellLearner);
    connect(m_deckActions.get(), &DeckActions::playRequested, this, &Application::playDeck);
    connect(m_deckActions.get(), &DeckActions::openFolderRequested, this,
            [this](const QString& folder) {
                m_platform.shell.open(QUrl::fromLocalFile(folder).toString());
            });
    // A deck re-imported or deleted may be the one playing: the bar goes on with what is left.
    connect(&m_deckLibrary, &DeckLibrary::decksChanged, this, [this] {
        if (!m_deckOrder.chosen().isEmpty() && !m_deckLibrary.find(m_deckOrder.chosen()))
            playDeck(QString());
        else
            m_deckActions->setPlaying(m_deckOrder.name());
    });
    connect(m_commands, &MenuCommands::exitRequested, m_bar.get(), &CaptionBar::giveBackStrip,
            Qt::DirectConnection);
    m_bar->installEventFilter(this);
    m_selector.setFilter(&m_learning);
    m_cycle.setFrenchHold(&m_learning.frenchHold());
    connect(&m_learning, &LearningModes::moveOnRequested, m_learner.get(), &LearnerCommands::next);
    connect(&m_learning, &LearningModes::notice, this, &Application::tellLearner);
    connect(&m_learning, &LearningModes::changed, this,
            [this] { m_cycle.setTranslationHidden(m_learning.translationHidden()); });
    connect(
        &m_order, &PlayOrder::sentenceChanged, &m_learning,
        [this](const QString&, const QString&, int frenchId) { m_learning.selected(frenchId); });
    connect(&m_cycle, &PlayCycle::lineAtRest, &m_learning, &LearningModes::currentShown);
    wireReview();
    connect(m_learner.get(), &LearnerCommands::notNow, m_bar.get(), &CaptionBar::showNotice);
    connect(m_learner.get(), &LearnerCommands::acted, m_bar.get(), &CaptionBar::showNotice);
    connect(m_learner.get(), &LearnerCommands::progressRequested, this, &Application::showProgress);
    connect(m_learner.get(), &LearnerCommands::exitRequested, this, &Application::endAsExit);
    m_barOptions = std::make_unique<BarOptions>(*m_bar, platform.store);
    m_learn->addEntries(m_barOptions->entries());
    auto* learnMenu = new QMenu(tr("&Learn"), m_barMenu.get());
    learnMenu->setObjectName(QStringLiteral("learnMenu"));
    m_learn->setDeckActions(m_deckActions.get());
    m_learn->addBarAway(m_snooze, m_stepAside);
    m_learn->addReview(m_review);
    m_learn->addTo(*learnMenu);
    m_barMenu->addLearnMenu(learnMenu);
    connect(m_bar.get(), &CaptionBar::menuRequested, m_barMenu.get(), &BarMenu::popUpLeftOf);
    connect(m_bar.get(), &CaptionBar::wheelStepped, m_learner.get(), [this](int direction) {
        if (direction > 0)
            m_learner->next();
        else
            m_learner->previous();
    });
    connect(&m_bar->chrome(), &BarChrome::splashCloseRequested, this, [this] {
        if (m_splash)
            m_splash->close();
    });
    connect(m_learner.get(), &LearnerCommands::snoozeRequested, &m_snooze, &Snooze::snoozeFor);
    connect(m_learner.get(), &LearnerCommands::wakeRequested, &m_snooze, &Snooze::wake);
    connect(&m_snooze, &Snooze::changed, &m_away,
            [this](bool snoozed) { m_away.hold(BarAway::Reason::Snoozed, snoozed); });
    connect(&m_stepAside, &StepAside::holdChanged, &m_away,
            [this](bool holding) { m_away.hold(BarAway::Reason::FullScreen, holding); });
    connect(&m_away, &BarAway::awayChanged, this, &Application::showBarAway);
    // The minutes the bar plays: the cycle's ticks while sentences play, not paused nor away.
    connect(&m_cycle.playCycleTimer(), &Timer::tick, &m_played,
            [this] { m_played.onCycleTick(!m_playback.paused() && !m_cycle.isAway()); });
    connect(m_commands, &MenuCommands::aboutToExit, &m_played, &PlayedMinutes::save,
            Qt::DirectConnection);
}

// The sentence on the bar is graded by what the learner does with it, and while review is on
// what is due plays before the order's next.
void Application::wireReview() {
    m_order.setDueSentences(&m_review);
    connect(&m_order, &PlayOrder::sentenceChanged, &m_review,
            [this](const QString&, const QString&, int frenchId) { m_review.showing(frenchId); });
    connect(m_learner.get(), &LearnerCommands::sentenceJudged, &m_review,
            &ReviewCoordinator::judged);
    connect(&m_cycle, &PlayCycle::sentencePlayedThrough, &m_review,
            &ReviewCoordinator::playedThrough);
    connect(&m_review, &ReviewCoordinator::told, m_bar.get(), &CaptionBar::showNotice);
}

void Application::startOnDesktop(DesktopCharacterLoader& characters) {
    // Exit ends the process at once; the lock beside the store goes with it, not left stale.
    connect(m_commands, &MenuCommands::exitRequested, this, [this] {
        if (m_instance)
            m_instance->release();
        std::_Exit(0);
    });
    m_endRequests = std::make_unique<EndRequests>();
    endOn(*m_endRequests);
    start();
    // What the tray's Voice submenu offers and changes.
    if (PeedyCharacter* peedy = characters.peedy()) {
        m_voiceChoice = std::make_unique<PeedyVoiceChoice>(*peedy, m_platform.store);
        // A deck may be in any language a voice reads.
        connect(m_voiceChoice.get(), &VoiceChoice::voicesChanged, m_deckActions.get(),
                [this] { m_deckActions->setLanguages(m_voiceChoice->languages()); });
        keepCharacterPlaces(peedy->window());
    }
    m_endRequests->watchProcessExit();
    startLearnerControls(makeGlobalShortcuts(), m_voiceChoice.get());
    watchFullScreen(makeFullScreenWatch());
    m_mediaControls = makeMediaControls(*m_learner, m_order);
}

Application::~Application() {
    delete m_splash;
    delete m_progress;
}

void Application::showProgress() {
    if (!m_progress) {
        m_progress = new ProgressWindow(m_learning, &m_deckLibrary);
        m_progress->setPlayedMinutes(&m_played);
        m_progress->setReviewOutlookSource([this] { return m_review.outlook(); });
        // An open window follows the grades as they are given.
        connect(&m_review, &ReviewCoordinator::changed, m_progress, &ProgressWindow::refresh);
    }
    // Minimised earlier, it comes back at its normal size.
    m_progress->setWindowState(m_progress->windowState() & ~Qt::WindowMinimized);
    m_progress->show();
    m_progress->raise();
    m_progress->activateWindow(); // asked for: Esc then closes it
}

void Application::start() {
    CaptionBar& bar = *m_bar;
    loadCharacter();

    bar.setLeftTwips(
        loadSettings(m_platform.store, m_settings, static_cast<float>(bar.screenWidthTwips())));
    // A position saved on a wider screen would leave the bar, and its menu, out of reach.
    bar.clampLeft();
    m_learning.load();
    m_review.load();
    m_played.load();
    // The decks are read while the splash shows; a deck chosen to play gives the first
    // sentence once it is in, long before the welcome ends.
    const QString playing =
        m_platform.store.read(QLatin1String(kSettingsApplication),
                              QLatin1String(DeckKeys::kSection), QLatin1String(DeckKeys::kPlaying));
    connect(
        &m_deckLibrary, &DeckLibrary::loaded, this,
        [this, playing] {
            choosePlayingDeck(playing);
            // Read before the start-up is through (it may turn the event loop): it gives the
            // first sentence at its end.
            m_deckSentencePending = !playing.isEmpty();
            if (m_started)
                startDeckPlaying();
        },
        Qt::SingleShotConnection);
    m_deckLibrary.loadInBackground();
    bar.setTopTwips(0);
    bar.setVisible(false);

    m_splash = new SplashWindow;
    connect(m_splash, &SplashWindow::dismissed, this, [this] {
        m_bar->setVisible(true);
        m_bar->chrome().skipSplash();
    });
    m_splash->move(Twips::toPixels(bar.screenWidthTwips() / 2 - 1000),
                   Twips::toPixels(bar.screenHeightTwips() / 2 - 1800));
    m_splash->show();

    bar.chrome().armForStartUp();
    m_cycle.armForStartUp();
    // Once the welcome is armed: a snooze still on waits for its end.
    m_snooze.load();
    m_stepAside.load();
    if (playing.isEmpty())
        m_cycle.selectNextSentence();
    m_started = true;
    startDeckPlaying();
    bar.makeTopmost();
    bar.captureBarRect();
    // A screen that shrinks under a running bar (a monitor unplugged, a remote desktop's window
    // made smaller) would otherwise leave it, and its menu, out of reach until the next start.
    m_platform.windows.followScreen([this] { m_bar->keepOnScreen(); });
    // Peedy stands on the bar's monitor, out of its way, from the start.
    const auto keepCharacterClear = [this](QRect fullBar) {
        if (SpeakingCharacter* character = m_cycle.character())
            character->keepClearOf(fullBar);
    };
    connect(m_bar.get(), &CaptionBar::settled, this, keepCharacterClear);
    keepCharacterClear(bar.barRect());
}

// Where the learner leaves Peedy on a monitor, Peedy stands there at the next start.
void Application::keepCharacterPlaces(CharacterWindow& window) {
    window.setKeptPlaces(placesFromText(readBarText(m_platform.store, BarKeys::kCharacterPlace)));
    connect(&window, &CharacterWindow::placedByLearner, this,
            [this](const QString& monitor, QPoint place) {
                QHash<QString, QPoint> places =
                    placesFromText(readBarText(m_platform.store, BarKeys::kCharacterPlace));
                places.insert(monitor, place);
                writeBarText(m_platform.store, BarKeys::kCharacterPlace, placesText(places));
            });
}

void Application::loadCharacter() {
    CharacterLoader& characters = m_platform.characters;
    report(characters.load(kCharacterName), "the speaking character could not be loaded");
    SpeakingCharacter* character = characters.character(kCharacterName);
    m_cycle.setCharacter(character);
    if (!character)
        return;
    report(character->show(), "the speaking character cannot be shown");
    report(character->setLanguage(QLocale::French), "the speaking character has no French");
}

void Application::activate() {
    // Started again by hand, the program is wanted now: where no tray is, nothing else on the
    // desktop reaches Wake up.
    m_snooze.wake();
    // During the splash the bar is hidden, and raising a hidden window does nothing.
    if (m_bar->isVisible())
        bringBarForward();
    else
        m_activationPending = true;
}

bool Application::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_bar.get() && event->type() == QEvent::Show) {
        if (m_activationPending) {
            m_activationPending = false;
            bringBarForward();
        }
        // Once the window system has had its say about where the bar goes.
        if (!m_placementChecked)
            QTimer::singleShot(kPlacementCheckMs, this, &Application::checkPlacement);
    }
    return QObject::eventFilter(watched, event);
}

void Application::checkPlacement() {
    if (m_placementChecked)
        return;
    m_placementChecked = true;
    const QRect bar = m_platform.windows.windowRect(*m_bar);
    const QRect fullBar(bar.topLeft(), QSize(bar.width(), m_bar->fullHeightPixels()));
    if (SpeakingCharacter* character = m_cycle.character())
        character->keepClearOf(fullBar);
    const QPoint asked = m_bar->askedPlace();
    if (bar.topLeft() != asked)
        qCWarning(lcDesktop).noquote()
            << QStringLiteral("the window system put the bar at %1,%2 instead of %3,%4 on the top "
                              "edge of the screen: it places windows itself (a Wayland "
                              "compositor's XWayland may); in an X11 session, or with another "
                              "QT_QPA_PLATFORM, the bar stays where it belongs")
                   .arg(bar.x())
                   .arg(bar.y())
                   .arg(asked.x())
                   .arg(asked.y());
}

void Application::bringBarForward() {
    m_platform.windows.bringToFront(*m_bar);
}

void Application::runCommand(const QString& line) {
    const QString word = line.section(QLatin1Char(' '), 0, 0);
    if (const LearnerCommandRow* command = learnerCommandNamed(word))
        m_learner->run(command->id, line.section(QLatin1Char(' '), 1));
    else if (word == QLatin1String(DeckCommandLine::kDecksChanged))
        reloadDecks();
    else if (word == QLatin1String(DeckCommandLine::kPlayDeck))
        playDeck(line.section(QLatin1Char(' '), 1));
}

// What the store names plays, if it can; the name is kept either way, for a deck that comes
// back (a folder restored, a file repaired).
void Application::choosePlayingDeck(const QString& name) {
    m_deckOrder.choose(name);
    if (!name.isEmpty() && !m_deckOrder.playing())
        qCWarning(lcDecks).noquote()
            << QStringLiteral("the deck \"%1\" chosen to play cannot be played: the built-in "
                              "sentences play instead")
                   .arg(name);
    m_deckActions->setPlaying(m_deckOrder.name());
    // The character reads a deck in the deck's language; it was given French at its loading.
    const QString language = m_deckOrder.playing() ? m_deckOrder.language() : QString();
    const QLocale::Language spoken =
        language.isEmpty() ? QLocale::French : QLocale(language).language();
    SpeakingCharacter* character = m_cycle.character();
    if (character && spoken != m_spokenLanguage)
        report(character->setLanguage(spoken), "the speaking character cannot read the deck");
    m_spokenLanguage = spoken;
}

void Application::playDeck(const QString& name) {
    const LoadedDeck* deck = name.isEmpty() ? nullptr : m_deckLibrary.find(name);
    if (!name.isEmpty() && (!deck || !deck->damage.isEmpty() || deck->sentences.empty())) {
        m_bar->showNotice(tr("There is no deck \"%1\" to play.").arg(name));
        return;
    }
    const QString chosen = deck ? deck->info.name : QString();
    m_platform.store.write(QLatin1String(kSettingsApplication), QLatin1String(DeckKeys::kSection),
                           QLatin1String(DeckKeys::kPlaying), chosen);
    m_platform.store.sync();
    choosePlayingDeck(chosen);
    // The next sentence comes from the new choice at once, as Next brings it.
    if (m_bar->chrome().welcomeOver())
        m_learner->next();
}

// The first sentence of the deck chosen at start, once the decks are read and the start-up is
// through; while the welcome runs it waits to be shown, as the table's would.
void Application::startDeckPlaying() {
    if (!m_deckSentencePending)
        return;
    m_deckSentencePending = false;
    if (m_bar->chrome().welcomeOver())
        m_learner->next();
    else
        m_cycle.selectNextSentence();
}

void Application::reloadDecks() {
    m_deckLibrary.load();
    if (!m_deckOrder.chosen().isEmpty() && !m_deckLibrary.find(m_deckOrder.chosen()))
        playDeck(QString());
    else
        m_deckActions->setPlaying(m_deckOrder.name());
}

void Application::watchFullScreen(std::unique_ptr<FullScreenWatch> watch) {
    m_stepAside.setWatch(watch.get());
    m_fullScreenWatch = std::move(watch);
}

QRect Application::barMonitor() const {
    const QScreen* screen = m_bar->screen();
    return screen ? screen->geometry() : QRect();
}

// Peedy goes with the bar and comes back with it, if he was showing.
void Application::showBarAway(bool away) {
    SpeakingCharacter* character = m_cycle.character();
    if (away) {
        m_characterAway = character && character->isVisible();
        if (m_characterAway)
            report(character->hide(), "the speaking character cannot be hidden");
        m_bar->setVisible(false);
        return;
    }
    if (m_characterAway && character)
        report(character->show(), "the speaking character cannot be shown");
    m_characterAway = false;
    showBarWhenReleased(0);
}

// Shown again while the window manager still takes it out of its frame, the bar would stay
// on the screen unmanaged, no longer kept above the others.
void Application::showBarWhenReleased(int polls) {
    if (m_away.isAway() || m_bar->isVisible())
        return;
    if (heldByWindowManager(*m_bar) && polls < kReleasePolls) {
        QTimer::singleShot(kReleasePollMs, this, [this, polls] { showBarWhenReleased(polls + 1); });
        return;
    }
    m_bar->setVisible(true);
    bringBarForward();
}

void Application::endAsExit() {
    m_commands->exit();
}

void Application::endOn(EndSignals& ends) {
    // At once: the display's loss asks from the process's exit, where no event loop runs.
    connect(&ends, &EndSignals::endRequested, this, &Application::endAsExit, Qt::DirectConnection);
}

// A line on standard error until a tray can show it.
void Application::tellLearner(const QString& text) {
    if (m_tray)
        m_tray->icon().showMessage(QString::fromLatin1(Product::kTitle), text);
    else
        qCWarning(lcLearning).noquote() << text;
}

void Application::startLearnerControls(std::unique_ptr<GlobalShortcuts> shortcuts,
                                       VoiceChoice* voices, std::function<bool()> trayAvailable) {
    m_learn->setVoices(voices);
    m_trayAvailable = trayAvailable ? std::move(trayAvailable) : &TrayIcon::available;
    if (m_trayAvailable()) {
        showTray();
    } else {
        qCWarning(lcDesktop) << "this desktop has no system tray, so there is no tray icon "
                                "until one appears; the bar works as before";
        // At login the panel often starts after the programs it hosts. A slow look now and
        // then costs nothing and brings the tray-only entries within reach without a restart.
        m_trayWatch.setInterval(kTrayWatchMs);
        connect(&m_trayWatch, &QTimer::timeout, this, &Application::onTrayWatchTick);
        m_trayWatch.start();
    }
    m_shortcuts = std::move(shortcuts);
    if (m_shortcuts)
        bindLearnerShortcuts(*m_shortcuts, *m_learner);
}

void Application::onTrayWatchTick() {
    if (m_tray || !m_trayAvailable())
        return;
    m_trayWatch.stop();
    showTray();
    qCWarning(lcDesktop) << "a system tray has appeared: the tray icon is shown";
}

void Application::showTray() {
    m_tray = std::make_unique<TrayIcon>(*m_learner, *m_learn, *m_barMenu, m_playback.gate());
    connect(&m_order, &PlayOrder::sentenceChanged, m_tray.get(), &TrayIcon::showSentence);
    m_tray->showSentence(m_order.currentTopicName(), m_playback.french());
    m_tray->showSnoozedUntil(m_snooze.until());
    connect(&m_snooze, &Snooze::changed, m_tray.get(),
            [this] { m_tray->showSnoozedUntil(m_snooze.until()); });
    m_tray->icon().show();
}
