// What each entry of the bar's popup menu does.
#pragma once

#include "about/form7.h"
#include "settings_dialog/form3.h"

#include <QObject>
#include <QPointer>
#include <functional>

class Form1;
class Form2;
struct Platform;

class MenuCommands : public QObject {
    Q_OBJECT
public:
    MenuCommands(Form1& bar, Form2& menu, Platform& platform);

    void mnu_sysset_Click();
    void mnu_hlp_Click();
    void mnu_veri_Click();
    void mnu_page_Click();
    void mnu_email_Click();
    void mnu_exit_Click();

    // How Exit ends the process: at once, with no window's close handling and no waiting for
    // the speech engine. Tests replace it.
    std::function<void()> endProcess;
    // Writes the learner's known and seen sentences before Exit ends the process.
    std::function<void()> saveLearning;

    Form3* settingsDialog() const { return m_form3; }
    Form7* aboutWindow() const { return m_form7; }

    static QString websiteAddress();
    static QString emailAddress();

private:
    Form1& m_bar;
    Form2& m_menu;
    Platform& m_platform;
    QPointer<Form3> m_form3;
    QPointer<Form7> m_form7;
};
