#include "ui/tray/tray_icon.h"

#include "core/learning/learner_commands.h"
#include "core/playback/dialog_gate.h"
#include "core/settings/product.h"
#include "ui/bar/bar_menu.h"
#include "ui/learn/learn_actions.h"

#include <QIcon>

TrayIcon::TrayIcon(LearnerCommands& commands, LearnActions& learn, BarMenu& barMenu,
                   const DialogGate& gate, QObject* parent)
    : QObject(parent), m_commands(commands), m_gate(gate) {
    m_icon.setIcon(QIcon(QStringLiteral(":/icons/dorvane.svg")));
    m_sentenceTip = QString::fromLatin1(Product::kTitle);
    m_icon.setToolTip(m_sentenceTip);

    learn.addTo(m_menu);
    m_menu.addSeparator();
    // The bar menu's own toggle, so the two menus can never disagree.
    m_menu.addAction(barMenu.characterShownToggle());

    // The bar's menu cannot open while a dialog is open; these entries keep the same rule.
    const auto unlessDialogOpen = [this](QAction* barEntry) {
        return [this, barEntry] {
            if (!m_gate.isOpen())
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
}

QAction* TrayIcon::addEntry(const char* name, const QString& caption) {
    QAction* action = m_menu.addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

void TrayIcon::showSentence(const QString& topicName, const QString& french) {
    QString tip = QString::fromLatin1(Product::kTitle);
    if (!topicName.isEmpty())
        tip += QStringLiteral(" - ") + topicName;
    if (!french.trimmed().isEmpty())
        tip += QLatin1Char('\n') + french.trimmed();
    m_sentenceTip = tip;
    showTip();
}

void TrayIcon::showSnoozedUntil(const QDateTime& until) {
    m_snoozeTip = until.isValid()
                      ? tr("Snoozed until %1").arg(until.toString(QStringLiteral("HH:mm")))
                      : QString();
    showTip();
}

void TrayIcon::showTip() {
    m_icon.setToolTip(m_snoozeTip.isEmpty()
                          ? m_sentenceTip
                          : QString::fromLatin1(Product::kTitle) + QLatin1Char('\n') + m_snoozeTip);
}

void TrayIcon::activate(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger)
        m_commands.togglePause();
}
