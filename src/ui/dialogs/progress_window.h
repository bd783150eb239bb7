// The progress window: one row per topic with its name, a bar of the sentences seen and known
// out of 35, and the figures. It refreshes as the learner goes on, without taking the focus.
#pragma once

#include "core/lessons/sentence_id.h"

#include <QWidget>
#include <array>

class LearningModes;
class QLabel;

// A bar showing two counts out of one total: known drawn over seen.
class SeenKnownBar : public QWidget {
    Q_OBJECT
public:
    explicit SeenKnownBar(QWidget* parent = nullptr);
    void setCounts(int seen, int known);
    int seen() const { return m_seen; }
    int known() const { return m_known; }
    QSize sizeHint() const override { return {140, 12}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int m_seen = 0;
    int m_known = 0;
};

class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProgressWindow(const LearningModes& modes, QWidget* parent = nullptr);

    static constexpr int kTopics = SentenceId::kNamedTopics;

    // Reads the counts again; never shows, raises or activates the window.
    void refresh();

    SeenKnownBar* bar(int topic) const { return m_bars.at(topic - 1); }
    QLabel* figures(int topic) const { return m_figures.at(topic - 1); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    const LearningModes& m_modes;
    std::array<SeenKnownBar*, kTopics> m_bars{};
    std::array<QLabel*, kTopics> m_figures{};
};
