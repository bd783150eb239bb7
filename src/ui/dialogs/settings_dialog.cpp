// The settings dialog's behaviour: filled from the settings when it opens, applied and stored
// when it closes.
#include "ui/dialogs/settings_dialog.h"

#include "core/lessons/sentence_id.h"
#include "core/playback/dialog_gate.h"
#include "core/playback/play_cycle.h"
#include "core/ports/auto_start.h"
#include "core/ports/message_dialog.h"
#include "core/settings/auto_start_rule.h"
#include "core/settings/settings_persistence.h"
#include "core/settings/settings_record.h"
#include "platform/program_path.h"
#include "ui/widgets/value_box.h"
#include "ui/widgets/value_scroll_bar.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTimer>

SettingsDialog::SettingsDialog(DialogGate& gate, PlayCycle& cycle, SettingsStore& store,
                               AutoStart& autoStart, MessageDialog* messages)
    : SettingsDialog() {
    m_cycle = &cycle;
    m_gate = &gate;
    m_store = &store;
    m_autoStart = &autoStart;
    m_messages = messages;
    setAttribute(Qt::WA_DeleteOnClose); // every opening builds a fresh dialog from the settings
    fillFromSettings();
    connectHandlers();
}

void SettingsDialog::connectHandlers() {
    // Only the learner's clicks count; filling the boxes from the settings changes nothing.
    const auto bind = [this](QCheckBox* box, int16_t SettingsRecord::*field) {
        connect(box, &QCheckBox::clicked, this,
                [field](bool ticked) { Settings.*field = ticked ? 1 : 0; });
    };
    bind(m_saveSettingsBox, &SettingsRecord::saveSettings);
    bind(m_saveScheduleBox, &SettingsRecord::savePositionOnExit);
    bind(m_autoHideBox, &SettingsRecord::autoHide);
    bind(m_startWithLoginBox, &SettingsRecord::startWithLogin);
    for (QRadioButton* mode : m_modeButtons)
        connect(mode, &QRadioButton::clicked, this, &SettingsDialog::onModeClicked);
}

void SettingsDialog::fillFromSettings() {
    m_gate->open();
    m_cycle->holdForSettings();
    for (QRadioButton* topic : m_topicButtons)
        topic->setEnabled(true);
    m_saveSettingsBox->setChecked(Settings.saveSettings != 0);
    m_saveScheduleBox->setChecked(Settings.savePositionOnExit != 0);
    m_autoHideBox->setChecked(Settings.autoHide != 0);
    m_startWithLoginBox->setChecked(Settings.startWithLogin != 0);
    m_valueBoxes[0]->setText(QString::number(Settings.playsPerSentence));
    m_valueBoxes[1]->setText(QString::number(Settings.frenchSeconds));
    m_valueBoxes[2]->setText(QString::number(Settings.englishSeconds));
    m_playsScroll->setNumber(Settings.playsPerSentence);
    m_frenchSecondsScroll->setNumber(Settings.frenchSeconds);
    m_englishSecondsScroll->setNumber(Settings.englishSeconds);
    m_modeButtons[Settings.inSequence != 0 ? 1 : 0]->setChecked(true);
    m_orderButtons[Settings.frenchFirst == 1 ? 0 : 1]->setChecked(true);
    m_topicButtons[std::clamp<int>(Settings.topic, 0, SentenceId::kNamedTopics)]->setChecked(true);
    m_saveScheduleBox->setEnabled(m_modeButtons[1]->isChecked());
}

// "Save schedule while exit" only matters in sequence mode.
void SettingsDialog::onModeClicked() {
    m_saveScheduleBox->setEnabled(!m_modeButtons[0]->isChecked());
}

int SettingsDialog::selectedTopic() const {
    for (int i = 0; i < static_cast<int>(m_topicButtons.size()); ++i)
        if (m_topicButtons[i]->isChecked())
            return i;
    return Settings.topic;
}

void SettingsDialog::closeEvent(QCloseEvent* event) {
    if (m_cycle) {
        // A number still being typed counts as if its box had been left.
        for (ValueBox* box : m_valueBoxes)
            box->settle();
        applyAndStore();
    }
    event->accept();
}

// Esc closes the dialog from whichever of its controls has the focus.
void SettingsDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

// Without a window manager no window becomes active by itself, and the keys would go nowhere.
void SettingsDialog::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    raise();
    activateWindow();
}

void SettingsDialog::applyAndStore() {
    if (m_gate)
        m_gate->close();
    m_cycle->releaseAfterSettings();

    // Going from one topic to every topic with the schedule kept starts the walk afresh.
    if (Settings.topic != 0 && m_saveScheduleBox->isChecked() && m_topicButtons[0]->isChecked())
        Settings.sequencePosition = SentenceId::kFirst;
    Settings.topic = static_cast<int16_t>(selectedTopic());
    Settings.inSequence = m_modeButtons[0]->isChecked() ? 0 : 1;
    m_saveScheduleBox->setEnabled(Settings.inSequence != 0);
    Settings.frenchFirst = m_orderButtons[0]->isChecked() ? 1 : 0;
    // The values come from the scroll bars, which a number typed in its box has moved.
    Settings.playsPerSentence = static_cast<int16_t>(m_playsScroll->number());
    Settings.frenchSeconds = static_cast<int16_t>(m_frenchSecondsScroll->number());
    Settings.englishSeconds = static_cast<int16_t>(m_englishSecondsScroll->number());

    if (Settings.saveSettings != 0) {
        applyStartWithLogin(*m_autoStart, currentProgramPath());
        QStringList failures;
        if (!m_autoStart->lastError().isEmpty())
            failures << m_autoStart->lastError();
        const QString storeFailure = saveDialogSettings(*m_store);
        if (!storeFailure.isEmpty())
            failures << storeFailure;
        // The choices still hold until the program ends; the learner must know they will not
        // come back at the next start. Told once the dialog has gone from the screen.
        if (!failures.isEmpty() && m_messages)
            QTimer::singleShot(0, m_cycle, [messages = m_messages, failures] {
                messages->inform(tr("Setting..."), tr("Your settings were not saved.") +
                                                       QStringLiteral("\n\n") +
                                                       failures.join(QStringLiteral("\n\n")));
            });
    }
    m_cycle = nullptr; // closed once; a second close event changes nothing
}
