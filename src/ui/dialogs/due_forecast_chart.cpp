#include "ui/dialogs/due_forecast_chart.h"

#include "ui/widgets/point_tool_tip.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int kLabelledEvery = 7; // days
constexpr int kBarsHeight = 64;
constexpr int kShortestBar = 2;
constexpr int kNarrowestPitch = 6;
constexpr int kWidestPitch = 16;
constexpr int kPitch = 11;

} // namespace

DueForecastChart::DueForecastChart(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void DueForecastChart::setForecast(const Forecast& duePerDay, const QDate& today) {
    if (duePerDay == m_due && today == m_today)
        return;
    m_due = duePerDay;
    m_today = today;
    update();
}

QSize DueForecastChart::sizeHint() const {
    return {kDays * kPitch, 2 * fontMetrics().height() + 4 + kBarsHeight};
}

QSize DueForecastChart::minimumSizeHint() const {
    return {kDays * kNarrowestPitch, sizeHint().height()};
}

// Whole logical pixels, however wide the window makes it: no bar edge falls between pixels.
int DueForecastChart::pitch() const {
    return std::clamp(width() / kDays, kNarrowestPitch, kWidestPitch);
}

int DueForecastChart::baseline() const {
    return height() - fontMetrics().height() - 4;
}

int DueForecastChart::tallest() const {
    return *std::max_element(m_due.begin(), m_due.end());
}

QRect DueForecastChart::dayColumn(int day) const {
    const int gap = std::max(2, pitch() / 4);
    return QRect(day * pitch(), 0, pitch() - gap, baseline());
}

QRect DueForecastChart::barRect(int day) const {
    if (day < 0 || day >= kDays || m_due[size_t(day)] <= 0)
        return {};
    const int room = baseline() - fontMetrics().height();
    const int height = std::max(
        kShortestBar, int((qint64(m_due[size_t(day)]) * room + tallest() / 2) / tallest()));
    const QRect column = dayColumn(day);
    return QRect(column.left(), baseline() - height, column.width(), height);
}

void DueForecastChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    if (tallest() <= 0) {
        painter.setPen(colours.color(QPalette::PlaceholderText));
        painter.drawText(rect(), Qt::AlignCenter, tr("Nothing due in the next 30 days"));
        return;
    }
    const int chartWidth = kDays * pitch() - (pitch() - dayColumn(0).width());
    painter.fillRect(QRect(0, baseline(), chartWidth, 1), colours.color(QPalette::Mid));
    int top = 0;
    for (int day = 0; day < kDays; ++day) {
        painter.fillRect(barRect(day), colours.color(QPalette::Highlight));
        if (m_due[size_t(day)] > m_due[size_t(top)])
            top = day;
    }
    // The highest count over its bar, the scale of all the others.
    painter.setPen(colours.color(QPalette::WindowText));
    const QFontMetrics metrics = fontMetrics();
    const QString count = QString::number(m_due[size_t(top)]);
    const QRect bar = barRect(top);
    const int countWidth = metrics.horizontalAdvance(count);
    const int countLeft =
        std::clamp(bar.center().x() + 1 - countWidth / 2, 0, std::max(0, width() - countWidth));
    painter.drawText(
        QRect(countLeft, bar.top() - metrics.height() - 1, countWidth + 1, metrics.height()),
        Qt::AlignCenter, count);
    // "Today" under the first bar, then a date each week, none running into the one before.
    painter.setPen(colours.color(QPalette::PlaceholderText));
    const int labelTop = baseline() + 3;
    int clearFrom = 0;
    for (int day = 0; day < kDays; day += kLabelledEvery) {
        const QString label =
            day == 0 ? tr("Today")
                     : locale().toString(m_today.addDays(day), QStringLiteral("d MMM"));
        const int labelWidth = metrics.horizontalAdvance(label);
        const int left = day == 0 ? 0
                                  : std::min(dayColumn(day).center().x() + 1 - labelWidth / 2,
                                             width() - labelWidth);
        if (left < clearFrom || !m_today.isValid())
            continue;
        painter.drawText(QRect(left, labelTop, labelWidth + 1, metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, label);
        clearFrom = left + labelWidth + metrics.horizontalAdvance(QLatin1Char(' '));
    }
}

QString DueForecastChart::toolTipAt(const QPoint& point) const {
    if (point.x() < 0 || point.y() < 0 || point.y() > baseline() || tallest() <= 0)
        return {};
    const int day = point.x() / pitch();
    if (day >= kDays)
        return {};
    const int due = m_due[size_t(day)];
    const QString when = day == 0 ? tr("today (with any overdue)")
                                  : tr("on %1").arg(locale().toString(
                                        m_today.addDays(day), QStringLiteral("dddd d MMMM")));
    if (due == 0)
        return tr("Nothing due %1").arg(when);
    return due == 1 ? tr("1 review due %1").arg(when) : tr("%1 reviews due %2").arg(due).arg(when);
}

bool DueForecastChart::event(QEvent* event) {
    return showPointToolTip(*this, event, [this](QPoint at) { return toolTipAt(at); }) ||
           QWidget::event(event);
}
