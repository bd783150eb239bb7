#include "ui/bar/menu_commands.h"

#include "core/logging.h"
#include "core/playback/play_cycle.h"
#include "core/playback/speaking_character.h"
#include "core/ports/shell.h"
#include "core/settings/product.h"
#include "core/settings/settings_persistence.h"
#include "platform/platform.h"
#include "ui/bar/bar_menu.h"
#include "ui/bar/caption_bar.h"
#include "ui/dialogs/about_window.h"
#include "ui/dialogs/settings_dialog.h"
#include "ui/widgets/twips.h"

#include <QAction>

MenuCommands::MenuCommands(CaptionBar& bar, BarMenu& menu, Platform& platform,
                           SettingsRecord& settings, PlayCycle& cycle, DialogGate& gate,
                           std::function<bool()> maySave)
    : QObject(&menu), m_bar(bar), m_platform(platform), m_settings(settings), m_cycle(cycle),
      m_gate(gate), m_maySave(std::move(maySave)) {
    connect(menu.settingsAction(), &QAction::triggered, this, &MenuCommands::openSettings);
    connect(menu.characterShownToggle(), &QAction::toggled, this, &MenuCommands::showCharacter);
    connect(menu.aboutAction(), &QAction::triggered, this, &MenuCommands::openAbout);
    connect(menu.websiteAction(), &QAction::triggered, this, &MenuCommands::openWebsite);
    connect(menu.emailAction(), &QAction::triggered, this, &MenuCommands::writeEmail);
    connect(menu.exitAction(), &QAction::triggered, this, &MenuCommands::exit);
    // Addresses the build was not given lead nowhere.
    menu.websiteAction()->setEnabled(!websiteAddress().isEmpty());
    menu.emailAction()->setEnabled(!emailAddress().isEmpty());
}

QString MenuCommands::websiteAddress() {
    const QString website = QString::fromUtf8(Product::website());
    if (website.isEmpty() || website.contains(QLatin1String("://")))
        return website;
    return QStringLiteral("http://") + website;
}

QString MenuCommands::emailAddress() {
    const QString email = QString::fromUtf8(Product::supportEmail());
    return email.isEmpty() ? email : QStringLiteral("mailto:") + email;
}

void MenuCommands::openSettings() {
    m_settingsDialog = new SettingsDialog(m_settings, m_gate, m_cycle, m_platform.store,
                                          m_platform.autoStart, &m_platform.messages);
    m_settingsDialog->move(Twips::toPixels(m_bar.screenWidthTwips() / 2 - 4000),
                           Twips::toPixels(m_bar.screenHeightTwips() / 2 - 3000));
    emit settingsOpened(*m_settingsDialog);
    m_settingsDialog->show();
}

// Only the character's presence changes: the "voice" setting and the timers stay as they are.
void MenuCommands::showCharacter(bool shown) {
    if (SpeakingCharacter* character = m_cycle.character())
        shown ? character->show() : character->hide();
}

void MenuCommands::openAbout() {
    m_aboutWindow = new AboutWindow(m_gate);
    m_aboutWindow->showCentred();
}

void MenuCommands::openWebsite() {
    if (!websiteAddress().isEmpty())
        m_platform.shell.open(websiteAddress());
}

void MenuCommands::writeEmail() {
    if (!emailAddress().isEmpty())
        m_platform.shell.open(emailAddress());
}

void MenuCommands::exit() {
    if (!m_maySave || m_maySave()) {
        // On the disk before the process ends; a failure is told but never holds the end up.
        const QString failure = saveExitSettings(m_platform.store, m_settings, m_bar.leftTwips());
        if (!failure.isEmpty())
            qCWarning(lcSettings).noquote() << failure;
        emit aboutToExit();
    }
    emit exitRequested();
}
