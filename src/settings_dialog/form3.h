// Form3: the settings dialog ("Setting..."): the topic, play mode, language order, repeat count,
// the two display times and four switches.
#pragma once

#include <QWidget>
#include <array>

class AutoStart;
class Form1;
class MessageDialog;
class QButtonGroup;
class SettingsStore;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class ValueScrollBar;

class Form3 : public QWidget {
    Q_OBJECT
public:
    // The layout alone.
    explicit Form3(QWidget* parent = nullptr);
    // The working dialog: it pauses the bar's playback and blocks its menu while open, and
    // applies and stores the choices when it closes. It deletes itself when closed. A save
    // that fails is told in one message box, when one is given.
    Form3(Form1& bar, SettingsStore& store, AutoStart& autoStart,
          MessageDialog* messages = nullptr);

    void Form_Load();
    void Form_Unload();

    QGroupBox* Frame1; // "Play Content"
    QGroupBox* Frame2; // "Play mode"
    QGroupBox* Frame3; // "English and French Order"
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label5;
    QLabel* Label6;
    std::array<QLineEdit*, 3> Text1;
    ValueScrollBar* VScroll1;              // plays per sentence
    ValueScrollBar* VScroll2;              // French display time
    ValueScrollBar* VScroll3;              // English display time
    QCheckBox* Check1;                     // "Save setting while exit"
    QCheckBox* Check3;                     // "Save schedule while exit"
    QCheckBox* Check4;                     // "Auto Hide"
    QCheckBox* Check5;                     // "Start with windows start"
    std::array<QRadioButton*, 22> Option1; // 0 "Entire", then the topics
    std::array<QRadioButton*, 2> Option2;  // "at random", "Sequence"
    std::array<QRadioButton*, 2> Option3;  // French first, English first

    // The focus order, front to back.
    QList<QWidget*> tabOrder() const { return m_tabOrder; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void connectHandlers();
    void Option2_Click();
    int selectedTopic() const;
    void buildTopicButtons();
    void buildValueLines();
    void setTabOrderByIndex(const QList<QPair<int, QWidget*>>& indexed);

    QButtonGroup* m_topics;
    QButtonGroup* m_modes;
    QButtonGroup* m_orders;
    QList<QWidget*> m_tabOrder;
    Form1* m_bar = nullptr;
    SettingsStore* m_store = nullptr;
    AutoStart* m_autoStart = nullptr;
    MessageDialog* m_messages = nullptr;
};
