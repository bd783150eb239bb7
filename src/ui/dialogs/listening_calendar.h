// The minutes the bar played on each day of the last twelve weeks: a square a day, a column a
// week (starting on the locale's first day of the week), shaded by the minutes, today's
// square framed. Drawn in logical pixels on whole coordinates, sharp at any screen scale.
#pragma once

#include <QDate>
#include <QMap>
#include <QWidget>

class ListeningCalendar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWeeks = 12;
    static constexpr int kLevels = 5; // none, then four shades

    explicit ListeningCalendar(QWidget* parent = nullptr);

    void setMinutes(const QMap<QDate, int>& minutesPerDay, const QDate& today);

    // The shade for so many minutes: 0 for none, up to kLevels - 1 for an hour or more.
    static int levelOf(int minutes);
    QColor levelColour(int level) const;
    // The first day shown, at the top of the first column.
    QDate firstDay() const;
    // Where a day's square is drawn; empty for a day outside the weeks shown or after today.
    QRect dayRect(const QDate& day) const;
    // What the tooltip says over that point: the minutes of the day under it, if any.
    QString toolTipAt(const QPoint& point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override;
    bool event(QEvent* event) override;

private:
    int weekdayOf(int row) const; // Qt::DayOfWeek
    bool rowNamed(int row) const;
    int labelWidth() const; // the weekdays' names left of the squares
    int gridTop() const;    // below the months' names
    QRect legendRect() const;

    QMap<QDate, int> m_minutes;
    QDate m_today;
};
