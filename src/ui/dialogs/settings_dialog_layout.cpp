// The settings dialog's controls, placed in twips on the dialog's own grid.
#include "core/lessons/dialogue_table.h"
#include "core/settings/settings_keys.h"
#include "ui/dialogs/settings_dialog.h"
#include "ui/widgets/caption_fit.h"
#include "ui/widgets/dialog_font.h"
#include "ui/widgets/normal_window_state.h"
#include "ui/widgets/twips.h"
#include "ui/widgets/value_box.h"
#include "ui/widgets/value_scroll_bar.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

template <typename W>
W* place(W* widget, const char* name, double l, double t, double w, double h) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(Twips::rect(l, t, w, h));
    return widget;
}

QString spaced(const QString& before, int blanks, const QString& after) {
    return before + QString(blanks, QLatin1Char(' ')) + after;
}

} // namespace

SettingsDialog::SettingsDialog(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("SettingsDialog"));
    setWindowTitle(tr("Setting..."));
    setWindowIcon(QIcon(QStringLiteral(":/icons/dialog-16.png")));
    setFixedSize(Twips::toPixels(5370), Twips::toPixels(6555));
    keepInNormalState(*this); // it offers a close box only, whatever the window manager draws
    setFont(dialogFont());

    m_contentGroup =
        place(new QGroupBox(tr("Play Content"), this), "contentGroup", 120, 120, 5025, 3375);
    m_modeGroup = place(new QGroupBox(tr("Play mode"), this), "modeGroup", 240, 3600, 1635, 855);
    m_orderGroup = place(new QGroupBox(tr("English and French Order"), this), "orderGroup", 2160,
                         3600, 2940, 855);

    buildTopicButtons();

    m_modes = new QButtonGroup(this);
    m_randomButton =
        place(new QRadioButton(tr("at random"), m_modeGroup), "randomButton", 120, 240, 1335, 285);
    m_sequenceButton =
        place(new QRadioButton(tr("Sequence"), m_modeGroup), "sequenceButton", 135, 495, 1095, 285);
    m_orders = new QButtonGroup(this);
    m_frenchFirstButton = place(new QRadioButton(tr("First French, then English"), m_orderGroup),
                                "frenchFirstButton", 135, 225, 2670, 285);
    m_englishFirstButton = place(new QRadioButton(tr("First English, then French"), m_orderGroup),
                                 "englishFirstButton", 135, 495, 2670, 285);
    m_modes->addButton(m_randomButton, 0);
    m_modes->addButton(m_sequenceButton, 1);
    m_orders->addButton(m_frenchFirstButton, 0);
    m_orders->addButton(m_englishFirstButton, 1);
    m_randomButton->setChecked(true);
    m_frenchFirstButton->setChecked(true);

    buildValueLines();

    m_saveScheduleBox = place(new QCheckBox(tr("Save schedule while exit"), this),
                              "saveScheduleBox", 2880, 5040, 2535, 255);
    m_autoHideBox =
        place(new QCheckBox(tr("Auto Hide"), this), "autoHideBox", 2880, 4680, 1260, 255);
    m_startWithLoginBox = place(new QCheckBox(tr("Start with windows start"), this),
                                "startWithLoginBox", 2880, 5340, 2475, 255);
    m_saveSettingsBox = place(new QCheckBox(tr("Save setting while exit"), this), "saveSettingsBox",
                              2880, 5700, 2535, 255);
    m_okButton = place(new QPushButton(tr("OK"), this), "okButton", 4080, 6075, 1125, 345);
    connect(m_okButton, &QPushButton::clicked, this, &QWidget::close);
    widenToFitCaptions(*this);

    // "Entire" and the values first; the topics of the right-hand column before the left's.
    QList<QWidget*> order = {
        m_topicButtons[0], m_valueBoxes[0],       m_valueBoxes[1],        m_randomButton,
        m_valueBoxes[2],   m_frenchFirstButton,   m_sequenceButton,       m_englishFirstButton,
        m_playsScroll,     m_frenchSecondsScroll, m_englishSecondsScroll, m_saveScheduleBox,
        m_autoHideBox,     m_startWithLoginBox,   m_saveSettingsBox,      m_okButton};
    for (int i = 11; i < kTopicChoices; ++i)
        order.append(m_topicButtons[i]);
    for (int i = 1; i <= 10; ++i)
        order.append(m_topicButtons[i]);
    setFocusOrder(order);
}

void SettingsDialog::buildTopicButtons() {
    static constexpr int kWidths[kTopicChoices] = {1020, 1740, 1020, 1860, 1740, 1740, 1740, 1860,
                                                   1740, 1500, 1500, 2100, 2100, 1980, 2100, 1020,
                                                   1500, 1620, 2100, 1380, 1980, 1500};
    m_topics = new QButtonGroup(this);
    for (int i = 0; i < kTopicChoices; ++i) {
        const QString caption = i == 0 ? tr("Entire") : DialogueTable::builtIn().topicName(i);
        int left = 240, top = 0;
        if (i == 0)
            top = 285;
        else if (i <= 10)
            top = 600 + 240 * (i - 1);
        else if (i <= 20)
            left = 2640, top = 600 + 240 * (i - 11);
        else
            top = 3000;
        auto* button = new QRadioButton(caption, m_contentGroup);
        m_topicButtons[i] = place(button, qPrintable(QStringLiteral("topicButton%1").arg(i)), left,
                                  top, kWidths[i], 195);
        m_topics->addButton(button, i);
    }
}

void SettingsDialog::buildValueLines() {
    // Each value's text box and scroll bar sit in the gap of blanks in its line's caption.
    m_playsLabel = place(new QLabel(spaced(tr("Per sentence play"), 14, tr("time.")), this),
                         "playsLabel", 240, 4680, 2520, 195);
    m_frenchSecondsLabel = place(new QLabel(spaced(tr("French Display"), 15, tr("second.")), this),
                                 "frenchSecondsLabel", 240, 5040, 2520, 195);
    m_englishSecondsLabel =
        place(new QLabel(spaced(tr("English Display"), 15, tr("second.")), this),
              "englishSecondsLabel", 240, 5400, 2520, 195);
    // The ranges and the numbers shown before any setting is filled in are the keys' own.
    const FrenchKey& plays = frenchKey(&SettingsRecord::playsPerSentence);
    const FrenchKey& frenchSeconds = frenchKey(&SettingsRecord::frenchSeconds);
    const FrenchKey& englishSeconds = frenchKey(&SettingsRecord::englishSeconds);
    const FrenchKey* keys[3] = {&plays, &frenchSeconds, &englishSeconds};
    const char* names[3] = {"playsBox", "frenchSecondsBox", "englishSecondsBox"};
    const double lefts[3] = {1620, 1500, 1500};
    const double tops[3] = {4635, 5040, 5400};
    for (int i = 0; i < 3; ++i)
        m_valueBoxes[i] = place(new ValueBox(QString::number(keys[i]->firstRunDefault), this),
                                names[i], lefts[i], tops[i], 315, 270);
    const auto scrollFor = [this](const FrenchKey& key) {
        return new ValueScrollBar(key.lowest, key.highest, this);
    };
    m_playsScroll = place(scrollFor(plays), "playsScroll", 1920, 4635, 135, 255);
    m_frenchSecondsScroll =
        place(scrollFor(frenchSeconds), "frenchSecondsScroll", 1800, 5040, 135, 255);
    m_englishSecondsScroll =
        place(scrollFor(englishSeconds), "englishSecondsScroll", 1800, 5400, 135, 255);
    m_valueBoxes[0]->bindTo(*m_playsScroll,
                            tr("%1 to %2 times").arg(plays.lowest).arg(plays.highest));
    m_valueBoxes[1]->bindTo(
        *m_frenchSecondsScroll,
        tr("%1 to %2 seconds").arg(frenchSeconds.lowest).arg(frenchSeconds.highest));
    m_valueBoxes[2]->bindTo(
        *m_englishSecondsScroll,
        tr("%1 to %2 seconds").arg(englishSeconds.lowest).arg(englishSeconds.highest));
    for (ValueBox* text : m_valueBoxes) {
        text->setAlignment(Qt::AlignCenter);
        text->setTextMargins(0, 0, 0, 0);
    }
}

void SettingsDialog::setFocusOrder(const QList<QWidget*>& order) {
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void SettingsDialog::offerDecks(const QStringList& names, const QString& playing) {
    if (m_deckBox || names.isEmpty())
        return;
    // One row below the OK button, so a learner without decks sees the dialog as it always was.
    constexpr double kRowTop = 6555, kRowHeight = 480;
    setFixedSize(Twips::toPixels(5370), Twips::toPixels(kRowTop + kRowHeight));
    auto* label = place(new QLabel(tr("Deck:"), this), "deckLabel", 240, kRowTop + 30, 600, 285);
    m_deckBox = place(new QComboBox(this), "deckBox", 840, kRowTop, 4365, 315);
    label->setBuddy(m_deckBox);
    m_deckBox->addItem(tr("The built-in sentences"), QString());
    for (const QString& name : names)
        m_deckBox->addItem(name, name);
    const int chosen = m_deckBox->findData(playing, Qt::UserRole, Qt::MatchFixedString);
    m_deckBox->setCurrentIndex(std::max(0, chosen));
    m_deckPlaying = m_deckBox->currentData().toString();
    setTabOrder(m_okButton, m_deckBox);
}
