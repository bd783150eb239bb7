#include "ui/dialogs/progress_window.h"

#include "core/decks/deck_library.h"
#include "core/learning/learning_modes.h"
#include "core/learning/played_minutes.h"
#include "core/lessons/dialogue_table.h"
#include "core/lessons/sentence_id.h"
#include "ui/dialogs/due_forecast_chart.h"
#include "ui/dialogs/listening_calendar.h"
#include "ui/widgets/dialog_font.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kTotal = SentenceId::kSentencesPerTopic;
constexpr int kInReviewColumn = 3;
constexpr int kDueTodayColumn = 4;
constexpr int kColumns = 5;

QLabel* figureLabel(QWidget* parent, const QString& text = QString()) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// A picture under its heading.
QLayout* headed(const QString& heading, QWidget* picture, QWidget* parent) {
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    column->addWidget(new QLabel(heading, parent));
    column->addWidget(picture);
    column->addStretch();
    return column;
}

} // namespace

SeenKnownBar::SeenKnownBar(QWidget* parent) : QWidget(parent) {
    setMinimumSize(sizeHint());
}

void SeenKnownBar::setCounts(int seen, int known, int total) {
    if (seen == m_seen && known == m_known && total == m_total)
        return;
    m_seen = seen;
    m_known = known;
    m_total = std::max(1, total);
    update();
}

void SeenKnownBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(frame, palette().color(QPalette::Base));
    const QRect inside = frame.adjusted(1, 1, 0, 0);
    const auto span = [&](int count) {
        return QRect(inside.left(), inside.top(),
                     int(qint64(inside.width()) * std::clamp(count, 0, m_total) / m_total),
                     inside.height());
    };
    const QColor knownColour = palette().color(QPalette::Highlight);
    painter.fillRect(span(m_seen), knownColour.lighter(170));
    painter.fillRect(span(m_known), knownColour);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
}

ProgressWindow::ProgressWindow(const LearningModes& modes, const DeckLibrary* decks,
                               QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_modes(modes), m_decks(decks), m_grid(new QGridLayout),
      m_forecast(new DueForecastChart(this)), m_calendar(new ListeningCalendar(this)) {
    setObjectName(QStringLiteral("ProgressWindow"));
    setWindowTitle(tr("Progress"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/dialog-16.png")));
    setFont(dialogFont());

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(12, 10, 12, 10);
    window->setSpacing(14);
    window->addLayout(m_grid);
    QGridLayout* grid = m_grid;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(3);
    auto* legend = new QLabel(
        tr("Sentences seen (light) and known (dark), out of %1 per topic.").arg(kTotal), this);
    grid->addWidget(legend, 0, 0, 1, 3);
    grid->addWidget(figureLabel(this, tr("In review")), 0, kInReviewColumn);
    grid->addWidget(figureLabel(this, tr("Due today")), 0, kDueTodayColumn);
    const DialogueTable& table = DialogueTable::builtIn();
    for (int topic = 1; topic <= kTopics; ++topic) {
        grid->addWidget(new QLabel(table.topicName(topic).trimmed(), this), topic, 0);
        m_bars[topic - 1] = new SeenKnownBar(this);
        grid->addWidget(m_bars[topic - 1], topic, 1);
        m_figures[topic - 1] = new QLabel(this);
        grid->addWidget(m_figures[topic - 1], topic, 2);
        m_inReview[topic - 1] = figureLabel(this);
        grid->addWidget(m_inReview[topic - 1], topic, kInReviewColumn);
        m_dueToday[topic - 1] = figureLabel(this);
        grid->addWidget(m_dueToday[topic - 1], topic, kDueTodayColumn);
    }
    grid->setColumnStretch(1, 1);
    auto* pictures = new QHBoxLayout;
    pictures->setSpacing(24);
    pictures->addLayout(headed(tr("Reviews due in the next 30 days"), m_forecast, this), 1);
    pictures->addLayout(headed(tr("Minutes listened, last 12 weeks"), m_calendar, this));
    window->addLayout(pictures);
    rebuildDeckRows();
    connect(&modes, &LearningModes::changed, this, &ProgressWindow::refresh);
    if (decks)
        connect(decks, &DeckLibrary::decksChanged, this, &ProgressWindow::rebuildDeckRows);
}

// A row per deck below the topics, each out of the deck's own number of sentences.
void ProgressWindow::rebuildDeckRows() {
    qDeleteAll(m_deckRows);
    m_deckRows.clear();
    m_deckBars.clear();
    m_deckFigures.clear();
    m_deckInReview.clear();
    m_deckDueToday.clear();
    int row = kTopics + 1;
    if (m_decks && !m_decks->decks().empty()) {
        auto* heading = new QLabel(tr("Your own decks:"), this);
        m_deckRows << heading;
        m_grid->addWidget(heading, row++, 0, 1, kColumns);
    }
    for (const LoadedDeck& deck : m_decks ? m_decks->decks() : std::vector<LoadedDeck>{}) {
        auto* name = new QLabel(deck.info.name, this);
        auto* bar = new SeenKnownBar(this);
        auto* figures = new QLabel(this);
        auto* inReview = figureLabel(this);
        auto* dueToday = figureLabel(this);
        m_grid->addWidget(name, row, 0);
        m_grid->addWidget(bar, row, 1);
        m_grid->addWidget(figures, row, 2);
        m_grid->addWidget(inReview, row, kInReviewColumn);
        m_grid->addWidget(dueToday, row++, kDueTodayColumn);
        m_deckRows << name << bar << figures << inReview << dueToday;
        m_deckBars << bar;
        m_deckFigures << figures;
        m_deckInReview << inReview;
        m_deckDueToday << dueToday;
    }
    refresh();
    setFixedSize(sizeHint());
}

QStringList ProgressWindow::deckFigures() const {
    QStringList texts;
    for (const QLabel* label : m_deckFigures)
        texts << label->text();
    return texts;
}

QStringList ProgressWindow::deckReviewFigures() const {
    QStringList texts;
    for (int index = 0; index < m_deckInReview.size(); ++index)
        texts << (m_deckInReview[index]->text().isEmpty()
                      ? QString()
                      : m_deckInReview[index]->text() + QStringLiteral(", ") +
                            m_deckDueToday[index]->text());
    return texts;
}

void ProgressWindow::setReviewOutlookSource(std::function<ReviewOutlook()> source) {
    m_outlook = std::move(source);
    refresh();
}

void ProgressWindow::setPlayedMinutes(const PlayedMinutes* played) {
    if (m_played)
        disconnect(m_played, nullptr, this, nullptr);
    m_played = played;
    if (played)
        connect(played, &PlayedMinutes::changed, this, &ProgressWindow::showPlayedMinutes);
    showPlayedMinutes();
}

void ProgressWindow::showPlayedMinutes() {
    m_calendar->setMinutes(m_played ? m_played->minutesPerDay() : QMap<QDate, int>(),
                           m_played ? m_played->today() : QDate::currentDate());
}

// Nothing in review leaves both blank, so a learner who never reviews sees a quiet table.
void ProgressWindow::showReviews(const ReviewCounts& counts, QLabel* inReview, QLabel* dueToday) {
    const bool any = counts.inReview > 0;
    inReview->setText(any ? QString::number(counts.inReview) : QString());
    dueToday->setText(any ? QString::number(counts.dueToday) : QString());
}

void ProgressWindow::refresh() {
    const ReviewOutlook outlook = m_outlook ? m_outlook() : ReviewOutlook();
    for (int topic = 1; topic <= kTopics; ++topic) {
        const int seen = m_modes.seenCount(topic);
        const int known = m_modes.knownCount(topic);
        m_bars[topic - 1]->setCounts(seen, known);
        m_figures[topic - 1]->setText(tr("%1 seen, %2 known").arg(seen).arg(known));
        showReviews(outlook.perTopic.value(topic), m_inReview[topic - 1], m_dueToday[topic - 1]);
    }
    m_forecast->setForecast(outlook.duePerDay, m_played ? m_played->today() : QDate::currentDate());
    showPlayedMinutes();
    if (!m_decks || m_decks->decks().size() != size_t(m_deckFigures.size()))
        return;
    for (int index = 0; index < m_deckFigures.size(); ++index) {
        const LoadedDeck& deck = m_decks->decks()[size_t(index)];
        showReviews(outlook.perDeck.value(deck.info.name), m_deckInReview[index],
                    m_deckDueToday[index]);
        if (!deck.damage.isEmpty()) {
            m_deckFigures[index]->setText(tr("damaged: %1").arg(deck.damage));
            continue;
        }
        const DeckProgress& marks = deck.progress;
        int seen = int(marks.seen.size());
        for (const QString& key : marks.known)
            seen += !marks.seen.contains(key);
        const int known = int(marks.known.size());
        const int total = int(deck.sentences.size());
        m_deckBars[index]->setCounts(seen, known, total);
        m_deckFigures[index]->setText(
            tr("%1 seen, %2 known of %3").arg(seen).arg(known).arg(total));
    }
}

void ProgressWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
