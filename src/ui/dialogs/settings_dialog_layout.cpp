// The settings dialog's controls, placed in twips on the dialog's own grid.
#include "core/lessons/dialogue_table.h"
#include "ui/dialogs/settings_dialog.h"
#include "ui/widgets/caption_fit.h"
#include "ui/widgets/normal_window_state.h"
#include "ui/widgets/twips.h"
#include "ui/widgets/value_box.h"
#include "ui/widgets/value_scroll_bar.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

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
    QFont dialogFont;
    dialogFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                            QStringLiteral("Arial")});
    dialogFont.setPointSize(8);
    setFont(dialogFont);

    m_contentGroup =
        place(new QGroupBox(tr("Play Content"), this), "contentGroup", 120, 120, 5025, 3375);
    m_modeGroup = place(new QGroupBox(tr("Play mode"), this), "modeGroup", 240, 3600, 1635, 855);
    m_orderGroup = place(new QGroupBox(tr("English and French Order"), this), "orderGroup", 2160,
                         3600, 2940, 855);

    buildTopicButtons();

    m_modes = new QButtonGroup(this);
    m_modeButtons[0] = place(new QRadioButton(tr("at random"), m_modeGroup), "modeButtons(0)", 120,
                             240, 1335, 285);
    m_modeButtons[1] =
        place(new QRadioButton(tr("Sequence"), m_modeGroup), "modeButtons(1)", 135, 495, 1095, 285);
    m_orders = new QButtonGroup(this);
    m_orderButtons[0] = place(new QRadioButton(tr("First French, then English"), m_orderGroup),
                              "orderButtons(0)", 135, 225, 2670, 285);
    m_orderButtons[1] = place(new QRadioButton(tr("First English, then French"), m_orderGroup),
                              "orderButtons(1)", 135, 495, 2670, 285);
    for (int i = 0; i < 2; ++i) {
        m_modes->addButton(m_modeButtons[i], i);
        m_orders->addButton(m_orderButtons[i], i);
    }
    m_modeButtons[0]->setChecked(true);
    m_orderButtons[0]->setChecked(true);

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
    m_blankLabels[0] = place(new QLabel(this), "blankLabel0", 0, 0, 60, 60);
    m_blankLabels[1] = place(new QLabel(this), "blankLabel1", 3615, 0, 60, 60);
    widenToFitCaptions(*this);

    QList<QPair<int, QWidget*>> indexed = {
        {1, m_topicButtons[0]},      {6, m_valueBoxes[0]},         {7, m_valueBoxes[1]},
        {8, m_modeButtons[0]},       {10, m_valueBoxes[2]},        {11, m_orderButtons[0]},
        {12, m_modeButtons[1]},      {13, m_orderButtons[1]},      {14, m_playsScroll},
        {15, m_frenchSecondsScroll}, {16, m_englishSecondsScroll}, {17, m_saveScheduleBox},
        {18, m_autoHideBox},         {19, m_startWithLoginBox},    {20, m_saveSettingsBox},     {21, m_okButton}};
    for (int i = 11; i < kTopicChoices; ++i)
        indexed.append({23 + i - 11, m_topicButtons[i]});
    for (int i = 1; i <= 10; ++i)
        indexed.append({34 + i - 1, m_topicButtons[i]});
    setTabOrderByIndex(indexed);
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
        m_topicButtons[i] = place(button, qPrintable(QStringLiteral("topicButtons(%1)").arg(i)),
                                  left, top, kWidths[i], 195);
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
    const char* names[3] = {"valueBoxes(0)", "valueBoxes(1)", "valueBoxes(2)"};
    const double lefts[3] = {1620, 1500, 1500};
    const double tops[3] = {4635, 5040, 5400};
    const char* initial[3] = {"2", "5", "3"};
    for (int i = 0; i < 3; ++i)
        m_valueBoxes[i] = place(new ValueBox(QLatin1String(initial[i]), this), names[i], lefts[i],
                                tops[i], 315, 270);
    m_playsScroll = place(new ValueScrollBar(1, 12, this), "playsScroll", 1920, 4635, 135, 255);
    m_frenchSecondsScroll =
        place(new ValueScrollBar(5, 15, this), "frenchSecondsScroll", 1800, 5040, 135, 255);
    m_englishSecondsScroll =
        place(new ValueScrollBar(3, 15, this), "englishSecondsScroll", 1800, 5400, 135, 255);
    m_valueBoxes[0]->bindTo(*m_playsScroll, tr("1 to 12 times"));
    m_valueBoxes[1]->bindTo(*m_frenchSecondsScroll, tr("5 to 15 seconds"));
    m_valueBoxes[2]->bindTo(*m_englishSecondsScroll, tr("3 to 15 seconds"));
    for (ValueBox* text : m_valueBoxes) {
        text->setAlignment(Qt::AlignCenter);
        text->setTextMargins(0, 0, 0, 0);
    }
}

void SettingsDialog::setTabOrderByIndex(const QList<QPair<int, QWidget*>>& indexed) {
    auto sorted = indexed;
    std::sort(sorted.begin(), sorted.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    m_tabOrder.clear();
    for (const auto& entry : sorted)
        m_tabOrder.append(entry.second);
    for (int i = 1; i < m_tabOrder.size(); ++i)
        QWidget::setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);
}
