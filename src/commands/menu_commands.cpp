#include "commands/menu_commands.h"

#include "about/form7.h"
#include "app/product.h"
#include "app/settings_persistence.h"
#include "bar/form1.h"
#include "forms/form2.h"
#include "forms/picture_box.h"
#include "forms/twips.h"
#include "platform/platform.h"
#include "platform/shell.h"
#include "playback/agent.h"
#include "settings_dialog/form3.h"

#include <cstdio>
#include <cstdlib>

namespace {
const QString kHideCaption = QStringLiteral("&Non Read aloud"); // as the menu starts
const QString kShowCaption = QStringLiteral("R&ead aloud");
const QString kHideAgainCaption = QStringLiteral("Non r&ead aloud");
} // namespace

MenuCommands::MenuCommands(Form1& bar, Form2& menu, Platform& platform)
    : QObject(&menu), m_bar(bar), m_menu(menu), m_platform(platform) {
    endProcess = [] { std::_Exit(0); };
    connect(menu.mnu_sysset, &QAction::triggered, this, &MenuCommands::mnu_sysset_Click);
    connect(menu.mnu_hlp, &QAction::triggered, this, &MenuCommands::mnu_hlp_Click);
    connect(menu.mnu_veri, &QAction::triggered, this, &MenuCommands::mnu_veri_Click);
    connect(menu.mnu_page, &QAction::triggered, this, &MenuCommands::mnu_page_Click);
    connect(menu.mnu_email, &QAction::triggered, this, &MenuCommands::mnu_email_Click);
    connect(menu.mnu_exit, &QAction::triggered, this, &MenuCommands::mnu_exit_Click);
}

QString MenuCommands::websiteAddress() {
    return QStringLiteral("http://") + QLatin1String(Product::kWebsiteHost);
}

QString MenuCommands::emailAddress() {
    return QStringLiteral("mailto:") + QLatin1String(Product::kSupportEmail);
}

void MenuCommands::mnu_sysset_Click() {
    m_form3 = new Form3(m_bar, m_platform.store, m_platform.autoStart, &m_platform.messages);
    m_form3->move(Twips::toPixels(m_bar.screenWidthTwips() / 2 - 4000),
                  Twips::toPixels(m_bar.screenHeightTwips() / 2 - 3000));
    m_form3->show();
}

// The entry's caption is the toggle's only state.
void MenuCommands::mnu_hlp_Click() {
    AgentCharacter* character = m_bar.mobjAgent;
    const QString caption = m_menu.mnu_hlp->text();
    if (caption == kHideCaption || caption == kHideAgainCaption) {
        if (character)
            character->Hide();
        m_menu.mnu_hlp->setText(kShowCaption);
    } else {
        if (character)
            character->Show();
        m_menu.mnu_hlp->setText(kHideAgainCaption);
    }
}

void MenuCommands::mnu_veri_Click() {
    m_form7 = new Form7(*m_bar.Image1);
    m_form7->showCentred();
}

void MenuCommands::mnu_page_Click() {
    m_platform.shell.open(websiteAddress());
}

void MenuCommands::mnu_email_Click() {
    m_platform.shell.open(emailAddress());
}

void MenuCommands::mnu_exit_Click() {
    // On the disk before the process ends; a failure is told but never holds the end up.
    const QString failure = SaveExitSettings(m_platform.store, m_bar.Left());
    if (!failure.isEmpty())
        std::fprintf(stderr, "dorvane: %s\n", qPrintable(failure));
    if (saveLearning)
        saveLearning();
    endProcess();
}
