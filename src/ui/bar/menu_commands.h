// What each entry of the bar's popup menu does.
#pragma once

#include "ui/dialogs/about_window.h"
#include "ui/dialogs/settings_dialog.h"

#include <QObject>
#include <QPointer>
#include <functional>

class CaptionBar;
class BarMenu;
struct Platform;
struct SettingsRecord;

class MenuCommands : public QObject {
    Q_OBJECT
public:
    // The settings are those the dialog edits and Exit saves.
    MenuCommands(CaptionBar& bar, BarMenu& menu, Platform& platform, SettingsRecord& settings);

    void openSettings();
    void toggleReadAloud();
    void openAbout();
    void openWebsite();
    void writeEmail();
    // Saves Exit's settings, lets the rest of the program save (aboutToExit), then asks for the
    // end of the process (exitRequested). Nothing is saved when the save check says no.
    void exit();
    void setSaveCheck(std::function<bool()> check) { m_saveCheck = std::move(check); }

    SettingsDialog* settingsDialog() const { return m_settingsDialog; }
    AboutWindow* aboutWindow() const { return m_aboutWindow; }

    static QString websiteAddress();
    static QString emailAddress();

signals:
    // Connect directly: whatever must be on the disk is written here.
    void aboutToExit();
    // The receiver ends the process at once, with no window's close handling and no waiting
    // for the speech engine.
    void exitRequested();

private:
    void showCharacter(bool shown);

    CaptionBar& m_bar;
    BarMenu& m_menu;
    Platform& m_platform;
    SettingsRecord& m_settings;
    QPointer<SettingsDialog> m_settingsDialog;
    QPointer<AboutWindow> m_aboutWindow;
    std::function<bool()> m_saveCheck;
};
