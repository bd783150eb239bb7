#include "ui/tray/tray_icon.h"

#include "core/learning/learner_commands.h"
#include "core/settings/product.h"
#include "ui/bar/bar_menu.h"

#include <QIcon>

TrayIcon::TrayIcon(LearnerCommands& commands, BarMenu& barMenu, const QWidget& menuPicture,
                   QObject* parent)
    : QObject(parent), m_commands(commands), m_menuPicture(menuPicture) {
    m_icon.setIcon(QIcon(QStringLiteral(":/icons/dorvane.svg")));
    m_icon.setToolTip(QString::fromLatin1(Product::kTitle));

    m_pause = addEntry("tray_pause", pauseCaption(commands.paused()), "Ctrl+Alt+Space");
    connect(m_pause, &QAction::triggered, &commands, &LearnerCommands::togglePause);
    connect(addEntry("tray_replay", tr("&Replay"), "Ctrl+Alt+R"), &QAction::triggered, &commands,
            &LearnerCommands::replay);
    connect(addEntry("tray_replay_slowly", tr("Replay sl&owly"), "Ctrl+Alt+S"), &QAction::triggered,
            &commands, &LearnerCommands::replaySlowly);
    connect(addEntry("tray_previous", tr("Pre&vious"), "Ctrl+Alt+B"), &QAction::triggered,
            &commands, &LearnerCommands::previous);
    connect(addEntry("tray_next", tr("&Next"), "Ctrl+Alt+N"), &QAction::triggered, &commands,
            &LearnerCommands::next);
    connect(addEntry("tray_other_language", tr("Show the o&ther language"), "Ctrl+Alt+E"),
            &QAction::triggered, &commands, &LearnerCommands::showOtherLanguage);
    m_menu.addSeparator();
    m_extrasAnchor = m_menu.addSeparator(); // an empty group between the two collapses
    m_extrasAnchor->setObjectName(QStringLiteral("tray_extras"));

    // The bar menu's own toggle, so the two menus can never disagree.
    m_menu.addAction(barMenu.readAloudToggle());

    // The bar's menu cannot open while a dialog is open; these entries keep the same rule.
    const auto unlessDialogOpen = [this](QAction* barEntry) {
        return [this, barEntry] {
            if (m_menuPicture.isEnabled())
                barEntry->trigger();
        };
    };
    connect(addEntry("tray_settings", tr("&Settings...")), &QAction::triggered, this,
            unlessDialogOpen(barMenu.settingsAction()));
    connect(addEntry("tray_about", tr("A&bout...")), &QAction::triggered, this,
            unlessDialogOpen(barMenu.aboutAction()));
    m_menu.addSeparator();
    connect(addEntry("tray_exit", tr("E&xit")), &QAction::triggered, barMenu.exitAction(),
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

QString TrayIcon::pauseCaption(bool paused) {
    return paused ? tr("Res&ume") : tr("&Pause");
}

void TrayIcon::followPause(bool paused) {
    m_pause->setText(pauseCaption(paused));
}
