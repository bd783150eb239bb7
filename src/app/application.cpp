#include "app/application.h"

#include "core/learning/learner_command_table.h"
#include "core/learning/learner_commands.h"
#include "core/learning/learner_shortcuts.h"
#include "core/lessons/dialogue_table.h"
#include "core/logging.h"
#include "core/playback/speaking_character.h"
#include "core/ports/end_signals.h"
#include "core/ports/global_shortcuts.h"
#include "core/ports/instance_guard.h"
#include "core/settings/bar_settings.h"
#include "core/settings/product.h"
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
#include "ui/learn/learn_actions.h"
#include "ui/tray/tray_icon.h"
#include "ui/widgets/twips.h"

#include <QEvent>
#include <QMenu>
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
      m_learning(platform.store, settings, [this] { return m_sinceStart.elapsed(); }),
      m_selector(DialogueTable::builtIn(), settings, random, platform.messages),
      m_order(m_selector, DialogueTable::builtIn(), settings, playback),
      m_bar(std::make_unique<CaptionBar>(platform.windows, settings, playback.gate())),
      m_cycle(*m_bar, playback, m_order, m_bar->chrome(), settings),
      m_barMenu(std::make_unique<BarMenu>()),
      m_learner(std::make_unique<LearnerCommands>(m_cycle, m_bar->chrome(), playback, settings,
                                                  &m_learning)),
      m_learn(std::make_unique<LearnActions>(*m_learner, m_learning, platform.messages)) {
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
    connect(m_learner.get(), &LearnerCommands::notNow, m_bar.get(), &CaptionBar::showNotice);
    connect(m_learner.get(), &LearnerCommands::acted, m_bar.get(), &CaptionBar::showNotice);
    connect(m_learner.get(), &LearnerCommands::progressRequested, this, &Application::showProgress);
    connect(m_learner.get(), &LearnerCommands::exitRequested, this, &Application::endAsExit);
    m_barOptions = std::make_unique<BarOptions>(*m_bar, platform.store);
    m_learn->addEntries(m_barOptions->entries());
    auto* learnMenu = new QMenu(tr("&Learn"), m_barMenu.get());
    learnMenu->setObjectName(QStringLiteral("learnMenu"));
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
        keepCharacterPlaces(peedy->window());
    }
    m_endRequests->watchProcessExit();
    startLearnerControls(makeGlobalShortcuts(), m_voiceChoice.get());
    m_mediaControls = makeMediaControls(*m_learner, m_order);
}

Application::~Application() {
    delete m_splash;
    delete m_progress;
}

void Application::showProgress() {
    if (!m_progress)
        m_progress = new ProgressWindow(m_learning);
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
    m_cycle.selectNextSentence();
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

void Application::runCommand(const QString& word) {
    if (const LearnerCommandRow* command = learnerCommandNamed(word))
        m_learner->run(command->id);
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
    m_tray->icon().show();
}
