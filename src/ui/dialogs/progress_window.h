// The progress window: one row per topic with its name, a bar of the sentences seen and known
// out of 35, the figures, and how many of its sentences are in review and due today; then a
// row per deck of the learner's own; under them the reviews due in the coming days and the
// minutes listened lately. It refreshes as the learner goes on, without taking the focus.
#pragma once

#include "core/lessons/sentence_id.h"
#include "core/review/review_outlook.h"

#include <QList>
#include <QWidget>
#include <array>
#include <functional>

class DeckLibrary;
class DueForecastChart;
class LearningModes;
class ListeningCalendar;
class PlayedMinutes;
class QGridLayout;
class QLabel;

// A bar showing two counts out of one total: known drawn over seen.
class SeenKnownBar : public QWidget {
    Q_OBJECT
public:
    explicit SeenKnownBar(QWidget* parent = nullptr);
    // Out of a topic's 35 unless told.
    void setCounts(int seen, int known, int total = SentenceId::kSentencesPerTopic);
    int seen() const { return m_seen; }
    int known() const { return m_known; }
    QSize sizeHint() const override { return {140, 12}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int m_seen = 0;
    int m_known = 0;
    int m_total = SentenceId::kSentencesPerTopic;
};

class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    // decks: whose rows follow the topics'; none, only the topics.
    explicit ProgressWindow(const LearningModes& modes, const DeckLibrary* decks = nullptr,
                            QWidget* parent = nullptr);

    static constexpr int kTopics = SentenceId::kNamedTopics;

    // Reads the counts again; never shows, raises or activates the window.
    void refresh();

    // What the review schedule holds, asked at each refresh; without one nothing is in review.
    void setReviewOutlookSource(std::function<ReviewOutlook()> source);
    // Whose minutes the calendar shows, following them as they grow; none, an empty calendar.
    void setPlayedMinutes(const PlayedMinutes* played);

    SeenKnownBar* bar(int topic) const { return m_bars.at(topic - 1); }
    QLabel* figures(int topic) const { return m_figures.at(topic - 1); }
    // A topic's sentences in review and due today; blank while none is in review.
    QLabel* inReview(int topic) const { return m_inReview.at(topic - 1); }
    QLabel* dueToday(int topic) const { return m_dueToday.at(topic - 1); }
    // The figures of the deck rows, in the library's order.
    QStringList deckFigures() const;
    // The deck rows' "in review, due today" figures, in the library's order.
    QStringList deckReviewFigures() const;
    DueForecastChart* forecast() const { return m_forecast; }
    ListeningCalendar* calendar() const { return m_calendar; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void rebuildDeckRows();
    void showPlayedMinutes();
    static void showReviews(const ReviewCounts& counts, QLabel* inReview, QLabel* dueToday);

    const LearningModes& m_modes;
    const DeckLibrary* m_decks;
    QGridLayout* m_grid;
    QList<QWidget*> m_deckRows; // the row widgets, made anew when the decks change
    QList<SeenKnownBar*> m_deckBars;
    QList<QLabel*> m_deckFigures;
    std::array<SeenKnownBar*, kTopics> m_bars{};
    std::array<QLabel*, kTopics> m_figures{};
    std::array<QLabel*, kTopics> m_inReview{};
    std::array<QLabel*, kTopics> m_dueToday{};
    QList<QLabel*> m_deckInReview;
    QList<QLabel*> m_deckDueToday;
    std::function<ReviewOutlook()> m_outlook;
    const PlayedMinutes* m_played = nullptr;
    DueForecastChart* m_forecast;
    ListeningCalendar* m_calendar;
};
