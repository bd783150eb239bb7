// The program's icon in the desktop's system tray: a left click pauses or resumes, the tooltip
// names the topic and the French sentence on the bar, and its menu holds the learner's
// commands and modes (the bar menu's Learn entries) followed by the bar menu's own entries,
// which run exactly what the bar menu runs.
#pragma once

#include <QDateTime>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

class BarMenu;
class DialogGate;
class LearnActions;
class LearnerCommands;

class TrayIcon : public QObject {
    Q_OBJECT
public:
    // While the gate is open (a dialog is), Settings... and About... do nothing, as on the bar.
    TrayIcon(LearnerCommands& commands, LearnActions& learn, BarMenu& barMenu,
             const DialogGate& gate, QObject* parent = nullptr);

    static bool available() { return QSystemTrayIcon::isSystemTrayAvailable(); }

    QSystemTrayIcon& icon() { return m_icon; }
    QMenu& menu() { return m_menu; }

    void showSentence(const QString& topicName, const QString& french);
    // While snoozed the tooltip says until when instead; an invalid time: not snoozed.
    void showSnoozedUntil(const QDateTime& until);
    void activate(QSystemTrayIcon::ActivationReason reason);

private:
    QAction* addEntry(const char* name, const QString& caption);
    void showTip();

    LearnerCommands& m_commands;
    const DialogGate& m_gate;
    QSystemTrayIcon m_icon;
    QString m_sentenceTip;
    QString m_snoozeTip;
    QMenu m_menu;
};
