// The Progress window's two pictures, rendered as a screen at scale 1 and 2 shows them and read
// back pixel by pixel: where the bars and squares are, their shades, and their sharp edges.
#include "ui/dialogs/due_forecast_chart.h"
#include "ui/dialogs/listening_calendar.h"

#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

namespace {

class Pictures : public ::testing::TestWithParam<int> {
protected:
    QImage rendered(QWidget& widget) {
        widget.resize(widget.sizeHint());
        QImage image(widget.size() * scale, QImage::Format_ARGB32);
        image.setDevicePixelRatio(scale);
        widget.render(&image);
        return image;
    }
    // The device pixel at a logical point, or a device pixel off it.
    QRgb at(const QImage& image, QPoint point, QPoint off = {}) const {
        return image.pixel(point * scale + off);
    }

    const int scale = GetParam();
    const QRgb window = QPalette().color(QPalette::Window).rgb();
    const QRgb highlight = QPalette().color(QPalette::Highlight).rgb();
    const QDate today{2026, 12, 3}; // a Thursday
};

TEST_P(Pictures, theTallestBarStandsOnTheDayWithTheMostDueWithSharpEdges) {
    DueForecastChart chart;
    DueForecastChart::Forecast due{};
    due[0] = 3, due[12] = 9, due[20] = 5;
    chart.setForecast(due, today);
    const QImage image = rendered(chart);
    QList<int> heights; // of highlight, in each column of device pixels
    for (int x = 0; x < image.width(); ++x) {
        heights << 0;
        for (int y = 0; y < image.height(); ++y)
            heights.last() += image.pixel(x, y) == highlight;
    }
    const int tallest = int(std::max_element(heights.begin(), heights.end()) - heights.begin());
    EXPECT_EQ(tallest / scale / (chart.width() / DueForecastChart::kDays), 12);
    const QRect bar = chart.barRect(20);
    EXPECT_EQ(at(image, bar.topLeft()), highlight);
    EXPECT_EQ(at(image, bar.topLeft(), {-1, 0}), window);
    EXPECT_EQ(at(image, bar.topLeft(), {0, -1}), window);
}

TEST_P(Pictures, anEmptyScheduleSaysSoInTheMiddle) {
    DueForecastChart chart;
    chart.setForecast({}, today);
    const QImage image = rendered(chart);
    QRect drawn;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn |= image.pixel(x, y) == window ? QRect() : QRect(x, y, 1, 1);
    EXPECT_NEAR(drawn.center().x(), image.width() / 2, 2 * scale);
    EXPECT_GT(drawn.width(), image.width() / 2) << "a line of text";
}

TEST_P(Pictures, eachShadeOfMinutesHasItsColourTodayIsFramedAndEdgesAreSharp) {
    ListeningCalendar calendar;
    const QList<int> minutes = {0, 5, 20, 45, 90};
    QMap<QDate, int> played;
    for (int day = 0; day < minutes.size(); ++day)
        played.insert(today.addDays(-day - 1), minutes[day]);
    calendar.setMinutes(played, today);
    const QImage image = rendered(calendar);
    QSet<QRgb> shades;
    for (int day = 0; day < minutes.size(); ++day)
        shades << at(image, calendar.dayRect(today.addDays(-day - 1)).center());
    EXPECT_EQ(shades.size(), ListeningCalendar::kLevels);
    const QRect hour = calendar.dayRect(today.addDays(-5));
    EXPECT_EQ(at(image, hour.bottomLeft(), {0, scale - 1}), calendar.levelColour(4).rgb());
    EXPECT_EQ(at(image, hour.bottomLeft(), {-1, scale - 1}), window);
    EXPECT_EQ(at(image, hour.bottomLeft(), {0, scale}), window);
    const QRgb text = calendar.palette().color(QPalette::WindowText).rgb();
    EXPECT_EQ(at(image, calendar.dayRect(today).topLeft() - QPoint(2, 2)), text);
    EXPECT_EQ(at(image, calendar.dayRect(today.addDays(-1)).topLeft() - QPoint(2, 2)), window);
}

INSTANTIATE_TEST_SUITE_P(Scales, Pictures, ::testing::Values(1, 2));

TEST(ListeningCalendar, weeksStartOnTheLocalesFirstDayAndTipsSayTheMinutes) {
    ListeningCalendar calendar;
    calendar.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    const QDate today(2026, 12, 3);
    calendar.setMinutes({{QDate(2026, 12, 1), 12}, {QDate(2026, 12, 2), 1}}, today);
    EXPECT_EQ(calendar.firstDay(), QDate(2026, 9, 13)) << "a Sunday, 11 weeks before";
    calendar.setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(calendar.firstDay(), QDate(2026, 9, 14)) << "a Monday";
    EXPECT_TRUE(calendar.dayRect(today.addDays(1)).isEmpty()) << "no days to come";
    const auto tipOn = [&](int day) {
        return calendar.toolTipAt(calendar.dayRect(QDate(2026, 12, day)).center());
    };
    EXPECT_EQ(tipOn(1), "12 minutes on Tuesday 1 December");
    EXPECT_EQ(tipOn(2), "1 minute on Wednesday 2 December");
}

} // namespace
