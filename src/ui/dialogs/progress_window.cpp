#include "ui/dialogs/progress_window.h"

#include "core/learning/learning_modes.h"
#include "core/lessons/dialogue_table.h"
#include "core/lessons/sentence_id.h"
#include "ui/widgets/dialog_font.h"

#include <QGridLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kTotal = SentenceId::kSentencesPerTopic;

} // namespace

SeenKnownBar::SeenKnownBar(QWidget* parent) : QWidget(parent) {
    setMinimumSize(sizeHint());
}

void SeenKnownBar::setCounts(int seen, int known) {
    if (seen == m_seen && known == m_known)
        return;
    m_seen = seen;
    m_known = known;
    update();
}

void SeenKnownBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(frame, palette().color(QPalette::Base));
    const QRect inside = frame.adjusted(1, 1, 0, 0);
    const auto span = [&](int count) {
        return QRect(inside.left(), inside.top(),
                     inside.width() * std::clamp(count, 0, kTotal) / kTotal, inside.height());
    };
    const QColor knownColour = palette().color(QPalette::Highlight);
    painter.fillRect(span(m_seen), knownColour.lighter(170));
    painter.fillRect(span(m_known), knownColour);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
}

ProgressWindow::ProgressWindow(const LearningModes& modes, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_modes(modes) {
    setObjectName(QStringLiteral("ProgressWindow"));
    setWindowTitle(tr("Progress"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/dialog-16.png")));
    setFont(dialogFont());

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 10, 12, 10);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(3);
    auto* legend = new QLabel(
        tr("Sentences seen (light) and known (dark), out of %1 per topic.").arg(kTotal), this);
    grid->addWidget(legend, 0, 0, 1, 3);
    const DialogueTable& table = DialogueTable::builtIn();
    for (int topic = 1; topic <= kTopics; ++topic) {
        grid->addWidget(new QLabel(table.topicName(topic).trimmed(), this), topic, 0);
        m_bars[topic - 1] = new SeenKnownBar(this);
        grid->addWidget(m_bars[topic - 1], topic, 1);
        m_figures[topic - 1] = new QLabel(this);
        grid->addWidget(m_figures[topic - 1], topic, 2);
    }
    grid->setColumnStretch(1, 1);
    refresh();
    setFixedSize(sizeHint());
    connect(&modes, &LearningModes::changed, this, &ProgressWindow::refresh);
}

void ProgressWindow::refresh() {
    for (int topic = 1; topic <= kTopics; ++topic) {
        const int seen = m_modes.seenCount(topic);
        const int known = m_modes.knownCount(topic);
        m_bars[topic - 1]->setCounts(seen, known);
        m_figures[topic - 1]->setText(tr("%1 seen, %2 known").arg(seen).arg(known));
    }
}

void ProgressWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
