#include "tray/tray_icon.h"

#include "app/product.h"
#include "forms/form2.h"
#include "learning/learner_commands.h"

#include <QIcon>

namespace {
const QString kPause = QStringLiteral("&Pause");
const QString kResume = QStringLiteral("Res&ume");
const QString kCharacterHidden = QStringLiteral("R&ead aloud"); // the bar menu's caption
} // namespace

TrayIcon::TrayIcon(LearnerCommands& commands, Form2& barMenu, const QWidget& menuPicture,
                   QObject* parent)
    : QObject(parent), m_commands(commands), m_barMenu(barMenu), m_menuPicture(menuPicture) {
    m_icon.setIcon(QIcon(QStringLiteral(":/icons/dorvane.svg")));
    m_icon.setToolTip(QString::fromLatin1(Product::kTitle));

    m_pause = addEntry("tray_pause", commands.paused() ? kResume : kPause, "Ctrl+Alt+Space");
    connect(m_pause, &QAction::triggered, &commands, &LearnerCommands::togglePause);
    connect(addEntry("tray_replay", QStringLiteral("&Replay"), "Ctrl+Alt+R"), &QAction::triggered,
            &commands, &LearnerCommands::replay);
    connect(addEntry("tray_replay_slowly", QStringLiteral("Replay sl&owly"), "Ctrl+Alt+S"),
            &QAction::triggered, &commands, &LearnerCommands::replaySlowly);
    connect(addEntry("tray_previous", QStringLiteral("Pre&vious"), "Ctrl+Alt+B"),
            &QAction::triggered, &commands, &LearnerCommands::previous);
    connect(addEntry("tray_next", QStringLiteral("&Next"), "Ctrl+Alt+N"), &QAction::triggered,
            &commands, &LearnerCommands::next);
    m_menu.addSeparator();
    m_extrasAnchor = m_menu.addSeparator(); // an empty group between the two collapses
    m_extrasAnchor->setObjectName(QStringLiteral("tray_extras"));

    m_readAloud = addEntry("tray_read_aloud", QStringLiteral("Read &aloud"));
    m_readAloud->setCheckable(true);
    connect(m_readAloud, &QAction::triggered, barMenu.mnu_hlp, &QAction::trigger);
    connect(barMenu.mnu_hlp, &QAction::changed, this, &TrayIcon::followReadAloud);
    followReadAloud();

    // The bar's menu cannot open while a dialog is open; these entries keep the same rule.
    const auto unlessDialogOpen = [this](QAction* barEntry) {
        return [this, barEntry] {
            if (m_menuPicture.isEnabled())
                barEntry->trigger();
        };
    };
    connect(addEntry("tray_settings", QStringLiteral("&Settings...")), &QAction::triggered, this,
            unlessDialogOpen(barMenu.mnu_sysset));
    connect(addEntry("tray_about", QStringLiteral("A&bout...")), &QAction::triggered, this,
            unlessDialogOpen(barMenu.mnu_veri));
    m_menu.addSeparator();
    connect(addEntry("tray_exit", QStringLiteral("E&xit")), &QAction::triggered, barMenu.mnu_exit,
            &QAction::trigger);

    m_icon.setContextMenu(&m_menu);
    connect(&m_icon, &QSystemTrayIcon::activated, this, &TrayIcon::activate);
    connect(&commands, &LearnerCommands::pausedChanged, this, &TrayIcon::followPause);
}

QAction* TrayIcon::addEntry(const char* name, const QString& caption, const char* desktopKey) {
    QAction* action = m_menu.addAction(caption);
    action->setObjectName(QLatin1String(name));
    if (desktopKey) {
        // Shown as a hint only: the desktop-wide key itself is grabbed elsewhere.
        action->setShortcut(QKeySequence(QLatin1String(desktopKey)));
        action->setShortcutContext(Qt::WidgetShortcut);
    }
    return action;
}

void TrayIcon::showSentence(const QString& topicName, const QString& french) {
    QString tip = QString::fromLatin1(Product::kTitle);
    if (!topicName.isEmpty())
        tip += QStringLiteral(" - ") + topicName;
    if (!french.trimmed().isEmpty())
        tip += QLatin1Char('\n') + french.trimmed();
    m_icon.setToolTip(tip);
}

void TrayIcon::activate(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger)
        m_commands.togglePause();
}

void TrayIcon::followPause(bool paused) {
    m_pause->setText(paused ? kResume : kPause);
}

// Checked while the character is shown, whichever menu toggled it.
void TrayIcon::followReadAloud() {
    m_readAloud->setChecked(m_barMenu.mnu_hlp->text() != kCharacterHidden);
}
