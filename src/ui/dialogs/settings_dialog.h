// The settings dialog ("Setting..."): the topic, play mode, language order, repeat count, the two
// display times and four switches.
#pragma once

#include "core/lessons/sentence_id.h"

#include <QPointer>
#include <QWidget>
#include <array>

class AutoStart;
class DialogGate;
class MessageDialog;
class PlayCycle;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class SettingsStore;
class ValueBox;
class ValueScrollBar;

class SettingsDialog : public QWidget {
    Q_OBJECT
public:
    // The layout alone.
    explicit SettingsDialog(QWidget* parent = nullptr);
    // The working dialog: it opens the dialog gate and holds the play cycle while open, and
    // applies and stores the choices when it closes. It deletes itself when closed. A save
    // that fails is told in one message box, when one is given.
    SettingsDialog(DialogGate& gate, PlayCycle& cycle, SettingsStore& store, AutoStart& autoStart,
                   MessageDialog* messages = nullptr);

    // "Entire", then every topic a learner can choose.
    static constexpr int kTopicChoices = SentenceId::kNamedTopics + 1;

    // Index 0 is "Entire", then the topics by number.
    const std::array<QRadioButton*, kTopicChoices>& topicButtons() const { return m_topicButtons; }
    // "at random", "Sequence".
    const std::array<QRadioButton*, 2>& modeButtons() const { return m_modeButtons; }
    // French first, English first.
    const std::array<QRadioButton*, 2>& orderButtons() const { return m_orderButtons; }
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
    // Closes the dialog as its close box does: the one way out where no window manager draws one.
    QPushButton* okButton() const { return m_okButton; }

    // The focus order, front to back.
    QList<QWidget*> tabOrder() const { return m_tabOrder; }

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
    void setTabOrderByIndex(const QList<QPair<int, QWidget*>>& indexed);

    QGroupBox* m_contentGroup; // "Play Content"
    QGroupBox* m_modeGroup;    // "Play mode"
    QGroupBox* m_orderGroup;   // "English and French Order"
    QLabel* m_playsLabel;
    QLabel* m_frenchSecondsLabel;
    QLabel* m_englishSecondsLabel;
    std::array<QLabel*, 2> m_blankLabels; // two empty 4 x 4 pixel labels that only keep their place
    std::array<ValueBox*, 3> m_valueBoxes;
    ValueScrollBar* m_playsScroll;
    ValueScrollBar* m_frenchSecondsScroll;
    ValueScrollBar* m_englishSecondsScroll;
    QCheckBox* m_saveSettingsBox;   // "Save setting while exit"
    QCheckBox* m_saveScheduleBox;   // "Save schedule while exit"
    QCheckBox* m_autoHideBox;       // "Auto Hide"
    QCheckBox* m_startWithLoginBox; // "Start with windows start"
    QPushButton* m_okButton;
    std::array<QRadioButton*, kTopicChoices> m_topicButtons;
    std::array<QRadioButton*, 2> m_modeButtons;
    std::array<QRadioButton*, 2> m_orderButtons;

    QButtonGroup* m_topics;
    QButtonGroup* m_modes;
    QButtonGroup* m_orders;
    QList<QWidget*> m_tabOrder;
    PlayCycle* m_cycle = nullptr; // null in the layout alone, and once applied
    QPointer<DialogGate> m_gate;
    SettingsStore* m_store = nullptr;
    AutoStart* m_autoStart = nullptr;
    MessageDialog* m_messages = nullptr;
};
