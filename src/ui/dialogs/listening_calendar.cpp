#include "ui/dialogs/listening_calendar.h"

#include "ui/widgets/point_tool_tip.h"

#include <QPainter>
#include <algorithm>
#include <array>

namespace {

constexpr int kSquare = 12;
constexpr int kPitch = 15; // square and gap; the gap leaves room for today's frame
constexpr int kDaysInWeek = 7;
constexpr std::array<int, ListeningCalendar::kLevels - 1> kLeastMinutes = {1, 15, 30, 60};

QColor mixed(const QColor& from, const QColor& to, double share) {
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * share),
                            float(from.greenF() + (to.greenF() - from.greenF()) * share),
                            float(from.blueF() + (to.blueF() - from.blueF()) * share));
}

} // namespace

ListeningCalendar::ListeningCalendar(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ListeningCalendar::setMinutes(const QMap<QDate, int>& minutesPerDay, const QDate& today) {
    if (minutesPerDay == m_minutes && today == m_today)
        return;
    m_minutes = minutesPerDay;
    m_today = today;
    update();
}

int ListeningCalendar::levelOf(int minutes) {
    return int(std::upper_bound(kLeastMinutes.begin(), kLeastMinutes.end(), minutes) -
               kLeastMinutes.begin());
}

// From the window's own colour towards the highlight, so a dark theme reads as a light one.
QColor ListeningCalendar::levelColour(int level) const {
    const QColor window = palette().color(QPalette::Window);
    if (level <= 0)
        return mixed(window, palette().color(QPalette::WindowText), 0.1);
    static constexpr std::array<double, kLevels> shares = {0, 0.4, 0.6, 0.8, 1.0};
    return mixed(window, palette().color(QPalette::Highlight),
                 shares[size_t(std::min(level, kLevels - 1))]);
}

QDate ListeningCalendar::firstDay() const {
    const int intoWeek =
        (m_today.dayOfWeek() - int(locale().firstDayOfWeek()) + kDaysInWeek) % kDaysInWeek;
    return m_today.addDays(-intoWeek - (kWeeks - 1) * kDaysInWeek);
}

// Monday, Wednesday and Friday are named, wherever the week starts.
bool ListeningCalendar::rowNamed(int row) const {
    return weekdayOf(row) % 2 == 1 && weekdayOf(row) < Qt::Sunday;
}

int ListeningCalendar::weekdayOf(int row) const {
    return (int(locale().firstDayOfWeek()) - 1 + row) % kDaysInWeek + 1;
}

int ListeningCalendar::labelWidth() const {
    int widest = 0;
    for (int row = 0; row < kDaysInWeek; ++row)
        if (rowNamed(row))
            widest = std::max(widest, fontMetrics().horizontalAdvance(
                                          locale().dayName(weekdayOf(row), QLocale::ShortFormat)));
    return widest + 5;
}

int ListeningCalendar::gridTop() const {
    return fontMetrics().height() + 2;
}

QSize ListeningCalendar::sizeHint() const {
    const int gridHeight = kDaysInWeek * kPitch - (kPitch - kSquare);
    return {labelWidth() + kWeeks * kPitch - (kPitch - kSquare) + 1,
            gridTop() + gridHeight + 6 + std::max(kSquare, fontMetrics().height()) + 1};
}

QRect ListeningCalendar::dayRect(const QDate& day) const {
    if (!m_today.isValid() || day > m_today || day < firstDay())
        return {};
    const int index = int(firstDay().daysTo(day));
    return QRect(labelWidth() + index / kDaysInWeek * kPitch,
                 gridTop() + index % kDaysInWeek * kPitch, kSquare, kSquare);
}

// Less, a square of each shade, More: right under the last column.
QRect ListeningCalendar::legendRect() const {
    const QFontMetrics metrics = fontMetrics();
    const int width = metrics.horizontalAdvance(tr("Less")) +
                      metrics.horizontalAdvance(tr("More")) + kLevels * kPitch + 2 * 4;
    const int right = labelWidth() + kWeeks * kPitch - (kPitch - kSquare);
    const int top = gridTop() + kDaysInWeek * kPitch - (kPitch - kSquare) + 6;
    return QRect(right - width, top, width, std::max(kSquare, metrics.height()));
}

void ListeningCalendar::paintEvent(QPaintEvent*) {
    if (!m_today.isValid())
        return;
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QColor quiet = palette().color(QPalette::PlaceholderText);
    painter.setPen(quiet);
    for (int row = 0; row < kDaysInWeek; ++row)
        if (rowNamed(row))
            painter.drawText(QRect(0, gridTop() + row * kPitch - 4, labelWidth() - 5, kSquare + 8),
                             Qt::AlignLeft | Qt::AlignVCenter,
                             locale().dayName(weekdayOf(row), QLocale::ShortFormat));
    // A month's name over the first week that starts in it, unless the one before runs into it.
    const QDate first = firstDay();
    int clearFrom = 0;
    for (int week = 0; week < kWeeks; ++week) {
        const QDate start = first.addDays(week * kDaysInWeek);
        if (week > 0 && start.month() == start.addDays(-kDaysInWeek).month())
            continue;
        const QString month = locale().standaloneMonthName(start.month(), QLocale::ShortFormat);
        // A name over the last weeks ends at the right edge rather than being cut off there.
        const int left =
            std::min(labelWidth() + week * kPitch, width() - metrics.horizontalAdvance(month) - 1);
        if (left < clearFrom)
            continue;
        painter.drawText(QRect(left, 0, metrics.horizontalAdvance(month) + 1, metrics.height()),
                         Qt::AlignLeft | Qt::AlignTop, month);
        clearFrom = left + metrics.horizontalAdvance(month) + 4;
    }
    for (QDate day = first; day <= m_today; day = day.addDays(1))
        painter.fillRect(dayRect(day), levelColour(levelOf(m_minutes.value(day))));
    // Today framed a pixel clear of its square, in the gap before its neighbours.
    const QRect today = dayRect(m_today).adjusted(-2, -2, 2, 2);
    const QColor frame = palette().color(QPalette::WindowText);
    painter.fillRect(QRect(today.left(), today.top(), today.width(), 1), frame);
    painter.fillRect(QRect(today.left(), today.bottom(), today.width(), 1), frame);
    painter.fillRect(QRect(today.left(), today.top(), 1, today.height()), frame);
    painter.fillRect(QRect(today.right(), today.top(), 1, today.height()), frame);

    const QRect legend = legendRect();
    painter.setPen(quiet);
    painter.drawText(legend, Qt::AlignLeft | Qt::AlignVCenter, tr("Less"));
    painter.drawText(legend, Qt::AlignRight | Qt::AlignVCenter, tr("More"));
    int left = legend.left() + metrics.horizontalAdvance(tr("Less")) + 4 + (kPitch - kSquare);
    for (int level = 0; level < kLevels; ++level, left += kPitch)
        painter.fillRect(QRect(left, legend.center().y() - kSquare / 2 + 1, kSquare, kSquare),
                         levelColour(level));
}

QString ListeningCalendar::toolTipAt(const QPoint& point) const {
    for (QDate day = firstDay(); m_today.isValid() && day <= m_today; day = day.addDays(1)) {
        if (!dayRect(day).adjusted(-1, -1, 2, 2).contains(point))
            continue;
        const QString when = locale().toString(day, QStringLiteral("dddd d MMMM"));
        const int minutes = m_minutes.value(day);
        if (minutes == 0)
            return tr("Nothing played on %1").arg(when);
        return minutes == 1 ? tr("1 minute on %1").arg(when)
                            : tr("%1 minutes on %2").arg(minutes).arg(when);
    }
    return {};
}

bool ListeningCalendar::event(QEvent* event) {
    return showPointToolTip(*this, event, [this](QPoint at) { return toolTipAt(at); }) ||
           QWidget::event(event);
}
