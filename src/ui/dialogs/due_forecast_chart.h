// The reviews due on each of the coming days, a bar a day from today, for the Progress window.
// Drawn in logical pixels on whole coordinates, so it stays sharp at any screen scale.
#pragma once

#include "core/review/review_outlook.h"

#include <QDate>
#include <QWidget>
#include <array>

class DueForecastChart : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDays = ReviewOutlook::kForecastDays;
    using Forecast = std::array<int, kDays>;

    explicit DueForecastChart(QWidget* parent = nullptr);

    // Day 0 is today, whose date names the days after it.
    void setForecast(const Forecast& duePerDay, const QDate& today);
    const Forecast& forecast() const { return m_due; }

    // Where a day's bar is drawn; empty for a day with nothing due.
    QRect barRect(int day) const;
    // What the tooltip says over that point; empty away from the days.
    QString toolTipAt(const QPoint& point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    bool event(QEvent* event) override;

private:
    int pitch() const; // from one day's bar to the next
    int baseline() const;
    int tallest() const;
    QRect dayColumn(int day) const;

    Forecast m_due{};
    QDate m_today;
};
