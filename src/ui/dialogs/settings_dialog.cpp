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
#include <QComboBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTimer>

SettingsDialog::SettingsDialog(SettingsRecord& settings, DialogGate& gate, PlayCycle& cycle,
                               SettingsStore& store, AutoStart& autoStart, MessageDialog* messages)
    : SettingsDialog() {
    m_settings = &settings;
    m_cycle = &cycle;
    m_gate = &gate;
    m_store = &store;
    m_autoStart = &autoStart;
    m_messages = messages;
    setAttribute(Qt::WA_DeleteOnClose); // every opening builds a fresh dialog from the settings
    fillFromSettings();
    connectHandlers();
}

QList<QPair<QCheckBox*, int16_t SettingsRecord::*>> SettingsDialog::switches() const {
    return {{m_saveSettingsBox, &SettingsRecord::saveSettings},
            {m_saveScheduleBox, &SettingsRecord::savePositionOnExit},
            {m_autoHideBox, &SettingsRecord::autoHide},
            {m_startWithLoginBox, &SettingsRecord::startWithLogin}};
}

QList<SettingsDialog::ValueLine> SettingsDialog::valueLines() const {
    return {{m_valueBoxes[0], m_playsScroll, &SettingsRecord::playsPerSentence},
            {m_valueBoxes[1], m_frenchSecondsScroll, &SettingsRecord::frenchSeconds},
            {m_valueBoxes[2], m_englishSecondsScroll, &SettingsRecord::englishSeconds}};
}

void SettingsDialog::connectHandlers() {
    // Only the learner's clicks count; filling the boxes from the settings changes nothing.
    for (const auto& [box, field] : switches())
        connect(box, &QCheckBox::clicked, this,
                [settings = m_settings, field = field](bool ticked) {
                    settings->*field = ticked ? 1 : 0;
                });
    for (QRadioButton* mode : {m_randomButton, m_sequenceButton})
        connect(mode, &QRadioButton::clicked, this, &SettingsDialog::onModeClicked);
}

void SettingsDialog::fillFromSettings() {
    m_gate->open();
    m_cycle->holdForSettings();
    for (QRadioButton* topic : m_topicButtons)
        topic->setEnabled(true);
    const SettingsRecord& settings = *m_settings;
    // A box shows any value but 0 ticked; a click then stores 0 or 1.
    for (const auto& [box, field] : switches())
        box->setChecked(settings.*field != 0);
    for (const ValueLine& line : valueLines()) {
        line.box->setText(QString::number(settings.*line.field));
        line.scroll->setNumber(settings.*line.field);
    }
    (settings.playsInSequence() ? m_sequenceButton : m_randomButton)->setChecked(true);
    (settings.frenchComesFirst() ? m_frenchFirstButton : m_englishFirstButton)->setChecked(true);
    m_topicButtons[std::clamp<int>(settings.topic, 0, SentenceId::kNamedTopics)]->setChecked(true);
    m_saveScheduleBox->setEnabled(m_sequenceButton->isChecked());
}

// "Save schedule while exit" only matters in sequence mode.
void SettingsDialog::onModeClicked() {
    m_saveScheduleBox->setEnabled(!m_randomButton->isChecked());
}

int SettingsDialog::selectedTopic() const {
    for (int i = 0; i < static_cast<int>(m_topicButtons.size()); ++i)
        if (m_topicButtons[i]->isChecked())
            return i;
    return m_settings->topic;
}

void SettingsDialog::closeEvent(QCloseEvent* event) {
    if (m_cycle) {
        // A number still being typed counts as if its box had been left.
        for (ValueBox* box : m_valueBoxes)
            box->settle();
        applyAndStore();
        if (m_deckBox && m_deckBox->currentData().toString() != m_deckPlaying) {
            m_deckPlaying = m_deckBox->currentData().toString();
            emit deckChosen(m_deckPlaying);
        }
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
    SettingsRecord& settings = *m_settings;
    if (settings.playsOneTopic() && m_saveScheduleBox->isChecked() &&
        m_topicButtons[0]->isChecked())
        settings.sequencePosition = SentenceId::kFirst;
    settings.topic = static_cast<int16_t>(selectedTopic());
    settings.inSequence = m_randomButton->isChecked() ? 0 : 1;
    m_saveScheduleBox->setEnabled(settings.playsInSequence());
    settings.frenchFirst = m_frenchFirstButton->isChecked() ? 1 : 0;
    // The values come from the scroll bars, which a number typed in its box has moved.
    for (const ValueLine& line : valueLines())
        settings.*line.field = static_cast<int16_t>(line.scroll->number());

    if (settings.dialogSavesSettings()) {
        applyStartWithLogin(*m_autoStart, settings, currentProgramPath());
        QStringList failures;
        if (!m_autoStart->lastError().isEmpty())
            failures << m_autoStart->lastError();
        const QString storeFailure = saveDialogSettings(*m_store, settings);
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
