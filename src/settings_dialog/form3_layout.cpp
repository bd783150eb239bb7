// Form3's controls, placed exactly as the dialog was designed (twips).
#include "content/dialogue_table.h"
#include "forms/caption_fit.h"
#include "forms/normal_window_state.h"
#include "forms/twips.h"
#include "forms/value_scroll_bar.h"
#include "settings_dialog/form3.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

namespace {

template <typename W>
W* place(W* widget, const char* name, double l, double t, double w, double h) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(Twips::rect(l, t, w, h));
    return widget;
}

QString spaced(const char* before, int blanks, const char* after) {
    return QLatin1String(before) + QString(blanks, QLatin1Char(' ')) + QLatin1String(after);
}

} // namespace

Form3::Form3(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Setting..."));
    setWindowIcon(QIcon(QStringLiteral(":/icons/dialog-16.png")));
    setFixedSize(Twips::toPixels(5370), Twips::toPixels(6075));
    keepInNormalState(*this); // it offers a close box only, whatever the window manager draws
    QFont dialogFont;
    dialogFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                            QStringLiteral("Arial")});
    dialogFont.setPointSize(8);
    setFont(dialogFont);

    Frame1 =
        place(new QGroupBox(QStringLiteral("Play Content"), this), "Frame1", 120, 120, 5025, 3375);
    Frame2 =
        place(new QGroupBox(QStringLiteral("Play mode"), this), "Frame2", 240, 3600, 1635, 855);
    Frame3 = place(new QGroupBox(QStringLiteral("English and French Order"), this), "Frame3", 2160,
                   3600, 2940, 855);

    buildTopicButtons();

    m_modes = new QButtonGroup(this);
    Option2[0] = place(new QRadioButton(QStringLiteral("at random"), Frame2), "Option2(0)", 120,
                       240, 1335, 285);
    Option2[1] = place(new QRadioButton(QStringLiteral("Sequence"), Frame2), "Option2(1)", 135, 495,
                       1095, 285);
    m_orders = new QButtonGroup(this);
    Option3[0] = place(new QRadioButton(QStringLiteral("First French, then English"), Frame3),
                       "Option3(0)", 135, 225, 2670, 285);
    Option3[1] = place(new QRadioButton(QStringLiteral("First English, then French"), Frame3),
                       "Option3(1)", 135, 495, 2670, 285);
    for (int i = 0; i < 2; ++i) {
        m_modes->addButton(Option2[i], i);
        m_orders->addButton(Option3[i], i);
    }
    Option2[0]->setChecked(true);
    Option3[0]->setChecked(true);

    buildValueLines();

    Check3 = place(new QCheckBox(QStringLiteral("Save schedule while exit"), this), "Check3", 2880,
                   5040, 2535, 255);
    Check4 =
        place(new QCheckBox(QStringLiteral("Auto Hide"), this), "Check4", 2880, 4680, 1260, 255);
    Check5 = place(new QCheckBox(QStringLiteral("Start with windows start"), this), "Check5", 2880,
                   5340, 2475, 255);
    Check1 = place(new QCheckBox(QStringLiteral("Save setting while exit"), this), "Check1", 2880,
                   5700, 2535, 255);
    Label5 = place(new QLabel(this), "Label5", 0, 0, 60, 60);
    Label6 = place(new QLabel(this), "Label6", 3615, 0, 60, 60);
    widenToFitCaptions(*this);

    QList<QPair<int, QWidget*>> indexed = {
        {1, Option1[0]},  {6, Text1[0]},    {7, Text1[1]},    {8, Option2[0]}, {10, Text1[2]},
        {11, Option3[0]}, {12, Option2[1]}, {13, Option3[1]}, {14, VScroll1},  {15, VScroll2},
        {16, VScroll3},   {17, Check3},     {18, Check4},     {19, Check5},    {20, Check1}};
    for (int i = 11; i <= 21; ++i)
        indexed.append({23 + i - 11, Option1[i]});
    for (int i = 1; i <= 10; ++i)
        indexed.append({34 + i - 1, Option1[i]});
    setTabOrderByIndex(indexed);
}

void Form3::buildTopicButtons() {
    static constexpr int kWidths[22] = {1020, 1740, 1020, 1860, 1740, 1740, 1740, 1860,
                                        1740, 1500, 1500, 2100, 2100, 1980, 2100, 1020,
                                        1500, 1620, 2100, 1380, 1980, 1500};
    m_topics = new QButtonGroup(this);
    for (int i = 0; i <= 21; ++i) {
        const QString caption =
            i == 0 ? QStringLiteral("Entire") : DialogueTable::builtIn().topicName(i);
        int left = 240, top = 0;
        if (i == 0)
            top = 285;
        else if (i <= 10)
            top = 600 + 240 * (i - 1);
        else if (i <= 20)
            left = 2640, top = 600 + 240 * (i - 11);
        else
            top = 3000;
        auto* button = new QRadioButton(caption, Frame1);
        Option1[i] = place(button, qPrintable(QStringLiteral("Option1(%1)").arg(i)), left, top,
                           kWidths[i], 195);
        m_topics->addButton(button, i);
    }
}

void Form3::buildValueLines() {
    // Each value's text box and scroll bar sit in the gap of blanks in its line's caption.
    Label1 = place(new QLabel(spaced("Per sentence play", 14, "time."), this), "Label1", 240, 4680,
                   2520, 195);
    Label2 = place(new QLabel(spaced("French Display", 15, "second."), this), "Label2", 240, 5040,
                   2520, 195);
    Label3 = place(new QLabel(spaced("English Display", 15, "second."), this), "Label3", 240, 5400,
                   2520, 195);
    const char* names[3] = {"Text1(0)", "Text1(1)", "Text1(2)"};
    const double lefts[3] = {1620, 1500, 1500};
    const double tops[3] = {4635, 5040, 5400};
    const char* initial[3] = {"2", "5", "3"};
    for (int i = 0; i < 3; ++i)
        Text1[i] = place(new QLineEdit(QLatin1String(initial[i]), this), names[i], lefts[i],
                         tops[i], 315, 270);
    VScroll1 = place(new ValueScrollBar(1, 12, this), "VScroll1", 1920, 4635, 135, 255);
    VScroll2 = place(new ValueScrollBar(5, 15, this), "VScroll2", 1800, 5040, 135, 255);
    VScroll3 = place(new ValueScrollBar(3, 15, this), "VScroll3", 1800, 5400, 135, 255);
    for (QLineEdit* text : Text1) {
        text->setAlignment(Qt::AlignCenter);
        text->setTextMargins(0, 0, 0, 0);
    }
}

void Form3::setTabOrderByIndex(const QList<QPair<int, QWidget*>>& indexed) {
    auto sorted = indexed;
    std::sort(sorted.begin(), sorted.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    m_tabOrder.clear();
    for (const auto& entry : sorted)
        m_tabOrder.append(entry.second);
    for (int i = 1; i < m_tabOrder.size(); ++i)
        QWidget::setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);
}
