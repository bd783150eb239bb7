#include "app/program.h"

#include "about/form4.h"
#include "app/product.h"
#include "app/settings_persistence.h"
#include "bar/form1.h"
#include "commands/menu_commands.h"
#include "content/dialogue_table.h"
#include "forms/form2.h"
#include "forms/picture_box.h"
#include "forms/twips.h"
#include "learning/learner_commands.h"
#include "learning/learner_shortcuts.h"
#include "platform/global_shortcuts.h"
#include "platform/platform.h"
#include "platform/window_system.h"
#include "playback/agent.h"
#include "tray/learning_menu.h"
#include "tray/tray_icon.h"
#include "tray/voice_menu.h"

#include <QEvent>
#include <cstdio>

namespace {
void report(const AgentResult& result, const char* what) {
    if (!result.ok())
        std::fprintf(stderr, "dorvane: %s: %s\n", what, qPrintable(result.error));
}
} // namespace

Program::Program(Platform& platform, RandomSource& random)
    : m_platform(platform), m_learning(platform.store, [this] { return m_sinceStart.elapsed(); }),
      m_selector(DialogueTable::builtIn(), random, platform.messages),
      m_order(m_selector, DialogueTable::builtIn()),
      m_form1(std::make_unique<Form1>(platform.agent, platform.windows)),
      m_form2(std::make_unique<Form2>()),
      m_learner(std::make_unique<LearnerCommands>(m_form1->timers, *m_form1)) {
    m_sinceStart.start();
    m_commands = new MenuCommands(*m_form1, *m_form2, platform); // owned by its menu
    m_commands->saveLearning = [this] { m_learning.save(); };
    m_form1->installEventFilter(this);
    m_selector.setFilter(&m_learning);
    m_form1->timers.setFrenchHold(&m_learning.frenchHold());
    m_learning.moveToNextSentence = [this] { m_learner->next(); };
    connect(
        &m_order, &PlayOrder::sentenceChanged, &m_learning,
        [this](const QString&, const QString&, int frenchId) { m_learning.selected(frenchId); });
    m_form1->setMenu(m_form2.get());
    m_form1->selectSentence = [this](QString& french, QString& english) {
        return m_order.next(french, english);
    };
    m_form1->selectPreviousSentence = [this](QString& french, QString& english) {
        return m_order.previous(french, english);
    };
    connect(m_learner.get(), &LearnerCommands::pausedChanged, m_form1.get(), &Form1::showPaused);
    connect(m_form1.get(), &Form1::wheelStepped, m_learner.get(), [this](int direction) {
        if (direction > 0)
            m_learner->next();
        else
            m_learner->previous();
    });
    m_form1->splashCloser = [this] {
        if (m_form4)
            m_form4->close();
    };
}

Program::~Program() {
    delete m_form4;
    delete m_progress;
}

void Program::showProgress() {
    if (!m_progress)
        m_progress = new ProgressWindow(m_learning);
    m_progress->show();
    m_progress->raise();
    m_progress->activateWindow(); // asked for: Esc then closes it
}

void Program::Form_Load() {
    Form1& bar = *m_form1;
    loadCharacter();

    bar.setLeft(LoadSettings(m_platform.store, static_cast<float>(bar.screenWidthTwips())));
    // A position saved on a wider screen would leave the bar, and its menu, out of reach.
    bar.clampLeft();
    m_learning.load();
    bar.setTop(0);
    bar.setVisible(false);

    m_form4 = new Form4(bar);
    m_form4->move(Twips::toPixels(bar.screenWidthTwips() / 2 - 1000),
                  Twips::toPixels(bar.screenHeightTwips() / 2 - 1800));
    m_form4->show();

    bar.timers.armForStartUp();
    bar.SelectNextSentence();
    bar.makeTopmost();
    bar.Get_Windows_Rect();
}

void Program::loadCharacter() {
    Form1& bar = *m_form1;
    report(bar.Agent1.Characters().Load(QStringLiteral("Peedy"), QVariant()),
           "the speaking character could not be loaded");
    bar.mobjAgent = bar.Agent1.Characters()(QStringLiteral("Peedy"));
    if (!bar.mobjAgent)
        return;
    report(bar.mobjAgent->Show(), "the speaking character cannot be shown");
    report(bar.mobjAgent->setLanguageID(kLanguageFrench), "the speaking character has no French");
}

void Program::activate() {
    // During the splash the bar is hidden, and raising a hidden window does nothing.
    if (m_form1->isVisible())
        bringBarForward();
    else
        m_activationPending = true;
}

bool Program::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_form1.get() && event->type() == QEvent::Show && m_activationPending) {
        m_activationPending = false;
        bringBarForward();
    }
    return QObject::eventFilter(watched, event);
}

void Program::bringBarForward() {
    m_platform.windows.BringToFront(*m_form1);
}

void Program::endAsExit() {
    m_commands->mnu_exit_Click();
}

void Program::startLearnerControls(std::unique_ptr<GlobalShortcuts> shortcuts,
                                   VoiceChoice* voices) {
    if (TrayIcon::available()) {
        m_tray = std::make_unique<TrayIcon>(*m_learner, *m_form2, *m_form1->Image1);
        connect(&m_order, &PlayOrder::sentenceChanged, m_tray.get(), &TrayIcon::showSentence);
        m_tray->showSentence(m_order.currentTopicName(), m_form1->mstrFrench);
        if (voices)
            m_tray->menu().insertMenu(m_tray->extrasAnchor(),
                                      new VoiceMenu(*voices, &m_tray->menu()));
        addLearningEntries(m_tray->menu(), m_tray->extrasAnchor(), m_learning,
                           [this] { showProgress(); });
        m_learning.notice = [this](const QString& text) {
            m_tray->icon().showMessage(QString::fromLatin1(Product::kTitle), text);
        };
        m_tray->icon().show();
    } else {
        std::fprintf(stderr, "dorvane: this desktop has no system tray, so there is no tray "
                             "icon; the bar works as before\n");
    }
    m_shortcuts = std::move(shortcuts);
    if (m_shortcuts)
        bindLearnerShortcuts(*m_shortcuts, *m_learner, [this] { m_learning.markCurrentKnown(); });
}
