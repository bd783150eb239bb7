// The settings dialog ("Setting..."): the topic, play mode, language order, repeat count, the two
// display times and four switches.
#pragma once

#include "core/lessons/sentence_id.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>

class AutoStart;
class DialogGate;
class MessageDialog;
class PlayCycle;
class QButtonGroup;
class QComboBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class SettingsStore;
class ValueBox;
class ValueScrollBar;
struct SettingsRecord;

class SettingsDialog : public QWidget {
    Q_OBJECT
public:
    // The layout alone.
    explicit SettingsDialog(QWidget* parent = nullptr);
    // The working dialog over the program's settings: it opens the dialog gate and holds the
    // play cycle while open, and applies the choices to the settings and stores them when it
    // closes. It deletes itself when closed. A save that fails is told in one message box,
    // when one is given.
    SettingsDialog(SettingsRecord& settings, DialogGate& gate, PlayCycle& cycle,
                   SettingsStore& store, AutoStart& autoStart, MessageDialog* messages = nullptr);

    // "Entire", then every topic a learner can choose.
    static constexpr int kTopicChoices = SentenceId::kNamedTopics + 1;

    // Index 0 is "Entire", then the topics by number.
    const std::array<QRadioButton*, kTopicChoices>& topicButtons() const { return m_topicButtons; }
    QRadioButton* randomButton() const { return m_randomButton; }     // "at random"
    QRadioButton* sequenceButton() const { return m_sequenceButton; } // "Sequence"
    QRadioButton* frenchFirstButton() const { return m_frenchFirstButton; }
    QRadioButton* englishFirstButton() const { return m_englishFirstButton; }
    // Plays per sentence, French seconds, English seconds: a box and a scroll bar each.
    const std::array<ValueBox*, 3>& valueBoxes() const { return m_valueBoxes; }
    ValueScrollBar* playsScroll() const { return m_playsScroll; }
    ValueScrollBar* frenchSecondsScroll() const { return m_frenchSecondsScroll; }
    ValueScrollBar* englishSecondsScroll() const { return m_englishSecondsScroll; }
    QLabel* englishSecondsLabel() const { return m_englishSecondsLabel; }
    QCheckBox* saveSettingsBox() const { return m_saveSettingsBox; }
    QCheckBox* saveScheduleBox() const { return m_saveScheduleBox; }
    QCheckBox* autoHideBox() const { return m_autoHideBox; }
    QCheckBox* startWithLoginBox() const { return m_startWithLoginBox; }
    // The learner's own decks to choose from, besides the built-in sentences: the dialog grows
    // by a row below the OK button for them, and nothing above it moves. playing: the deck's
    // name, or empty for the built-in sentences.
    void offerDecks(const QStringList& names, const QString& playing);
    QComboBox* deckBox() const { return m_deckBox; } // null until decks are offered
    // Closes the dialog as its close box does: the one way out where no window manager draws one.
    QPushButton* okButton() const { return m_okButton; }

signals:
    // On closing, when another deck was chosen: its name, or empty for the built-in sentences.
    void deckChosen(const QString& name);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fillFromSettings();
    void applyAndStore();
    void connectHandlers();
    void onModeClicked();
    int selectedTopic() const;
    void buildTopicButtons();
    void buildValueLines();
    void setFocusOrder(const QList<QWidget*>& order);
    // The four check boxes and the setting each one stands for.
    QList<QPair<QCheckBox*, int16_t SettingsRecord::*>> switches() const;
    // A value's box and scroll bar, and its setting.
    struct ValueLine {
        ValueBox* box;
        ValueScrollBar* scroll;
        int16_t SettingsRecord::*field;
    };
    QList<ValueLine> valueLines() const;

    QGroupBox* m_contentGroup; // "Play Content"
    QGroupBox* m_modeGroup;    // "Play mode"
    QGroupBox* m_orderGroup;   // "English and French Order"
    QLabel* m_playsLabel;
    QLabel* m_frenchSecondsLabel;
    QLabel* m_englishSecondsLabel;
    std::array<ValueBox*, 3> m_valueBoxes;
    ValueScrollBar* m_playsScroll;
    ValueScrollBar* m_frenchSecondsScroll;
    ValueScrollBar* m_englishSecondsScroll;
    QCheckBox* m_saveSettingsBox;   // "Save setting while exit"
    QCheckBox* m_saveScheduleBox;   // "Save schedule while exit"
    QCheckBox* m_autoHideBox;       // "Auto Hide"
    QCheckBox* m_startWithLoginBox; // "Start with windows start"
    QPushButton* m_okButton;
    QComboBox* m_deckBox = nullptr;
    QString m_deckPlaying;
    std::array<QRadioButton*, kTopicChoices> m_topicButtons;
    QRadioButton* m_randomButton;
    QRadioButton* m_sequenceButton;
    QRadioButton* m_frenchFirstButton;
    QRadioButton* m_englishFirstButton;

    QButtonGroup* m_topics;
    QButtonGroup* m_modes;
    QButtonGroup* m_orders;
    SettingsRecord* m_settings = nullptr; // null in the layout alone
    PlayCycle* m_cycle = nullptr;         // null in the layout alone, and once applied
    QPointer<DialogGate> m_gate;
    SettingsStore* m_store = nullptr;
    AutoStart* m_autoStart = nullptr;
    MessageDialog* m_messages = nullptr;
};
