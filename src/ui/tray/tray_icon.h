// The program's icon in the desktop's system tray: a left click pauses or resumes, the tooltip
// names the topic and the French sentence on the bar, and its menu holds the learner's
// commands followed by the bar menu's own entries, which run exactly what the bar menu runs.
#pragma once

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

class BarMenu;
class LearnerCommands;

class TrayIcon : public QObject {
    Q_OBJECT
public:
    // menuPicture is the bar's menu picture: while it is disabled a dialog is open, and
    // Settings... and About... do nothing, as on the bar.
    TrayIcon(LearnerCommands& commands, BarMenu& barMenu, const QWidget& menuPicture,
             QObject* parent = nullptr);

    static bool available() { return QSystemTrayIcon::isSystemTrayAvailable(); }

    QSystemTrayIcon& icon() { return m_icon; }
    QMenu& menu() { return m_menu; }
    // Later entries go before this separator, between the learner's commands and Read aloud.
    QAction* extrasAnchor() const { return m_extrasAnchor; }

    void showSentence(const QString& topicName, const QString& french);
    void activate(QSystemTrayIcon::ActivationReason reason);

private:
    QAction* addEntry(const char* name, const QString& caption, const char* desktopKey = nullptr);
    void followPause(bool paused);
    static QString pauseCaption(bool paused);

    LearnerCommands& m_commands;
    const QWidget& m_menuPicture;
    QSystemTrayIcon m_icon;
    QMenu m_menu;
    QAction* m_pause;
    QAction* m_extrasAnchor;
};
