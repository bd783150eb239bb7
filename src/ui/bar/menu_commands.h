// What each entry of the bar's popup menu does.
#pragma once

#include "ui/dialogs/about_window.h"
#include "ui/dialogs/settings_dialog.h"

#include <QObject>
#include <QPointer>
#include <functional>

class CaptionBar;
class BarMenu;
class DialogGate;
class PlayCycle;
struct Platform;
struct SettingsRecord;

class MenuCommands : public QObject {
    Q_OBJECT
public:
    // The settings are those the dialog edits and Exit saves. maySave: asked before Exit saves
    // anything (whether this copy still owns the store); without it Exit always saves.
    MenuCommands(CaptionBar& bar, BarMenu& menu, Platform& platform, SettingsRecord& settings,
                 PlayCycle& cycle, DialogGate& gate, std::function<bool()> maySave = {});

    void openSettings();
    void openAbout();
    void openWebsite();
    void writeEmail();
    // Saves Exit's settings, lets the rest of the program save (aboutToExit), then asks for the
    // end of the process (exitRequested). Nothing is saved when maySave says no.
    void exit();

    SettingsDialog* settingsDialog() const { return m_settingsDialog; }
    AboutWindow* aboutWindow() const { return m_aboutWindow; }

    static QString websiteAddress();
    static QString emailAddress();

signals:
    // The settings dialog was made and is about to show: what it offers may be added.
    void settingsOpened(SettingsDialog& dialog);
    // Connect directly: whatever must be on the disk is written here.
    void aboutToExit();
    // The receiver ends the process at once, with no window's close handling and no waiting
    // for the speech engine.
    void exitRequested();

private:
    void showCharacter(bool shown);

    CaptionBar& m_bar;
    Platform& m_platform;
    SettingsRecord& m_settings;
    PlayCycle& m_cycle;
    DialogGate& m_gate;
    QPointer<SettingsDialog> m_settingsDialog;
    QPointer<AboutWindow> m_aboutWindow;
    std::function<bool()> m_maySave;
};
