// Form3's behaviour: filled from the settings when it opens, applied and stored when it closes.
#include "settings_dialog/form3.h"

#include "app/module1.h"
#include "app/settings_persistence.h"
#include "bar/form1.h"
#include "forms/picture_box.h"
#include "forms/value_scroll_bar.h"
#include "platform/auto_start.h"
#include "platform/message_dialog.h"
#include "settings_dialog/set_auto_start.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

Form3::Form3(Form1& bar, SettingsStore& store, AutoStart& autoStart, MessageDialog* messages)
    : Form3() {
    m_bar = &bar;
    m_store = &store;
    m_autoStart = &autoStart;
    m_messages = messages;
    setAttribute(Qt::WA_DeleteOnClose); // every opening builds a fresh dialog from the settings
    Form_Load();
    connectHandlers();
}

void Form3::connectHandlers() {
    // Only the learner's clicks count; filling the boxes from the settings changes nothing.
    const auto bind = [this](QCheckBox* box, int16_t SettingsRecord::*field) {
        connect(box, &QCheckBox::clicked, this,
                [field](bool ticked) { Settings.*field = ticked ? 1 : 0; });
    };
    bind(Check1, &SettingsRecord::ssave);
    bind(Check3, &SettingsRecord::psave);
    bind(Check4, &SettingsRecord::visi);
    bind(Check5, &SettingsRecord::mark);
    for (QRadioButton* mode : Option2)
        connect(mode, &QRadioButton::clicked, this, &Form3::Option2_Click);
    const std::array<ValueScrollBar*, 3> bars = {VScroll1, VScroll2, VScroll3};
    for (size_t i = 0; i < bars.size(); ++i)
        connect(bars[i], &ValueScrollBar::Change, this,
                [this, i](int number) { Text1[i]->setText(QString::number(number)); });
}

void Form3::Form_Load() {
    m_bar->Image1->setEnabled(false);
    m_bar->timers.Timer5.setEnabled(false);
    for (QRadioButton* topic : Option1)
        topic->setEnabled(true);
    Check1->setChecked(Settings.ssave != 0);
    Check3->setChecked(Settings.psave != 0);
    Check4->setChecked(Settings.visi != 0);
    Check5->setChecked(Settings.mark != 0);
    Text1[0]->setText(QString::number(Settings.n));
    Text1[1]->setText(QString::number(Settings.etime));
    Text1[2]->setText(QString::number(Settings.ctime));
    VScroll1->setValue(Settings.n);
    VScroll2->setValue(Settings.etime);
    VScroll3->setValue(Settings.ctime);
    Option2[Settings.rd != 0 ? 1 : 0]->setChecked(true);
    Option3[Settings.ce == 1 ? 0 : 1]->setChecked(true);
    Option1[std::clamp<int>(Settings.guage, 0, 21)]->setChecked(true);
    Check3->setEnabled(Option2[1]->isChecked());
}

// "Save schedule while exit" only matters in sequence mode.
void Form3::Option2_Click() {
    Check3->setEnabled(!Option2[0]->isChecked());
}

int Form3::selectedTopic() const {
    for (int i = 0; i < static_cast<int>(Option1.size()); ++i)
        if (Option1[i]->isChecked())
            return i;
    return Settings.guage;
}

void Form3::closeEvent(QCloseEvent* event) {
    if (m_bar)
        Form_Unload();
    event->accept();
}

void Form3::Form_Unload() {
    m_bar->Image1->setEnabled(true);
    if (gintStartCount <= 2)
        m_bar->timers.Timer5.setEnabled(true); // playback resumes once the welcome is over

    // Going from one topic to every topic with the schedule kept starts the walk afresh.
    if (Settings.guage != 0 && Check3->isChecked() && Option1[0]->isChecked())
        Settings.guagen = 10101;
    Settings.guage = static_cast<int16_t>(selectedTopic());
    Settings.rd = Option2[0]->isChecked() ? 0 : 1;
    Check3->setEnabled(Settings.rd != 0);
    Settings.ce = Option3[0]->isChecked() ? 1 : 0;
    // The values come from the scroll bars; whatever was typed in the boxes is not read.
    Settings.n = static_cast<int16_t>(VScroll1->Value());
    Settings.etime = static_cast<int16_t>(VScroll2->Value());
    Settings.ctime = static_cast<int16_t>(VScroll3->Value());

    if (Settings.ssave != 0) {
        Set_Auto_Start(*m_autoStart, currentProgramPath());
        QStringList failures;
        if (!m_autoStart->lastError().isEmpty())
            failures << m_autoStart->lastError();
        const QString storeFailure = SaveDialogSettings(*m_store);
        if (!storeFailure.isEmpty())
            failures << storeFailure;
        // The choices still hold until the program ends; the learner must know they will not
        // come back at the next start. Told once the dialog has gone from the screen.
        if (!failures.isEmpty() && m_messages)
            QTimer::singleShot(0, m_bar, [messages = m_messages, failures] {
                messages->inform(QStringLiteral("Setting..."),
                                 QStringLiteral("Your settings were not saved.\n\n") +
                                     failures.join(QStringLiteral("\n\n")));
            });
    }
    m_bar = nullptr; // closed once; a second close event changes nothing
}
