// The Progress window's two pictures, rendered as a screen at scale 1 and 2 would show them,
// and read back pixel by pixel: where the bars and squares are, their shades, and their edges.
#include "ui/dialogs/due_forecast_chart.h"
#include "ui/dialogs/listening_calendar.h"

#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QImage rendered(QWidget& widget, int scale) {
    widget.resize(widget.sizeHint());
    QImage image(widget.size() * scale, QImage::Format_ARGB32);
    image.setDevicePixelRatio(scale);
    widget.render(&image);
    return image;
}

QRgb at(const QImage& image, QPoint logical, int scale, QPoint device = {}) {
    return image.pixel(logical * scale + device);
}

QRgb colour(const QWidget& widget, QPalette::ColorRole role) {
    return widget.palette().color(role).rgb();
}

// The number of highlight pixels in each column of device pixels.
QList<int> barHeights(const QImage& image, QRgb bar) {
    QList<int> heights;
    for (int x = 0; x < image.width(); ++x) {
        int height = 0;
        for (int y = 0; y < image.height(); ++y)
            height += image.pixel(x, y) == bar;
        heights << height;
    }
    return heights;
}

class DueForecast : public ::testing::TestWithParam<int> {
protected:
    DueForecastChart chart;
    const QDate today{2026, 12, 1};
};

TEST_P(DueForecast, theTallestBarStandsOnTheDayWithTheMostDue) {
    DueForecastChart::Forecast due{};
    due[0] = 3, due[12] = 9, due[20] = 5;
    chart.setForecast(due, today);
    const int scale = GetParam();
    const QList<int> heights =
        barHeights(rendered(chart, scale), colour(chart, QPalette::Highlight));
    const int tallestX = int(std::max_element(heights.begin(), heights.end()) - heights.begin());
    EXPECT_TRUE(chart.barRect(12).contains(tallestX / scale, chart.barRect(12).center().y()));
    int bars = 0;
    for (int x = 1; x < heights.size(); ++x)
        bars += heights[x] > 0 && heights[x - 1] == 0;
    EXPECT_EQ(bars + (heights[0] > 0), 3);
    EXPECT_EQ(heights[chart.barRect(20).center().x() * scale], chart.barRect(20).height() * scale);
}

TEST_P(DueForecast, barsEndOnWholePixels) {
    DueForecastChart::Forecast due{};
    due[4] = 7;
    chart.setForecast(due, today);
    const int scale = GetParam();
    const QImage image = rendered(chart, scale);
    const QRect bar = chart.barRect(4);
    const QPoint middle(bar.left(), bar.center().y());
    EXPECT_EQ(at(image, middle, scale), colour(chart, QPalette::Highlight));
    EXPECT_EQ(at(image, middle, scale, {-1, 0}), colour(chart, QPalette::Window));
    EXPECT_EQ(at(image, bar.topLeft(), scale, {0, -1}), colour(chart, QPalette::Window));
}

TEST_P(DueForecast, anEmptyScheduleSaysSoInTheMiddle) {
    chart.setForecast({}, today);
    const QImage image = rendered(chart, GetParam());
    const QRgb background = colour(chart, QPalette::Window);
    QRect drawn;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                drawn |= QRect(x, y, 1, 1);
    EXPECT_FALSE(barHeights(image, colour(chart, QPalette::Highlight)).contains(1));
    EXPECT_NEAR(drawn.center().x(), image.width() / 2, 2 * GetParam());
    EXPECT_GT(drawn.width(), image.width() / 2) << "a line of text";
}

INSTANTIATE_TEST_SUITE_P(Scales, DueForecast, ::testing::Values(1, 2));

class ListeningDays : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { calendar.setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    ListeningCalendar calendar;
    const QDate today{2026, 12, 3}; // a Thursday
};

TEST_P(ListeningDays, eachShadeOfMinutesDrawsItsOwnColourAndTodayIsFramed) {
    const QList<int> minutes = {0, 5, 20, 45, 90};
    QMap<QDate, int> played;
    for (int day = 0; day < minutes.size(); ++day)
        played.insert(today.addDays(-day - 1), minutes[day]);
    calendar.setMinutes(played, today);
    const int scale = GetParam();
    const QImage image = rendered(calendar, scale);
    QSet<QRgb> shades;
    for (int day = 0; day < minutes.size(); ++day)
        shades << at(image, calendar.dayRect(today.addDays(-day - 1)).center(), scale);
    EXPECT_EQ(shades.size(), ListeningCalendar::kLevels);
    EXPECT_EQ(at(image, calendar.dayRect(today.addDays(-5)).center(), scale),
              calendar.levelColour(4).rgb());
    const QPoint frameCorner = calendar.dayRect(today).topLeft() - QPoint(2, 2);
    EXPECT_EQ(at(image, frameCorner, scale), colour(calendar, QPalette::WindowText));
    const QPoint noFrame = calendar.dayRect(today.addDays(-1)).topLeft() - QPoint(2, 2);
    EXPECT_EQ(at(image, noFrame, scale), colour(calendar, QPalette::Window));
}

TEST_P(ListeningDays, squaresEndOnWholePixels) {
    calendar.setMinutes({{today.addDays(-8), 90}}, today);
    const int scale = GetParam();
    const QImage image = rendered(calendar, scale);
    const QRect square = calendar.dayRect(today.addDays(-8));
    const QPoint left(square.left(), square.center().y());
    EXPECT_EQ(at(image, left, scale), calendar.levelColour(4).rgb());
    EXPECT_EQ(at(image, left, scale, {-1, 0}), colour(calendar, QPalette::Window));
    const QPoint bottom(square.center().x(), square.bottom());
    EXPECT_EQ(at(image, bottom, scale, {0, scale - 1}), calendar.levelColour(4).rgb());
    EXPECT_EQ(at(image, bottom, scale, {0, scale}), colour(calendar, QPalette::Window));
}

INSTANTIATE_TEST_SUITE_P(Scales, ListeningDays, ::testing::Values(1, 2));

TEST(ListeningCalendarWeeks, startOnTheLocalesFirstDayWithTodayInTheLastColumn) {
    ListeningCalendar calendar;
    const QDate wednesday(2026, 3, 11);
    calendar.setMinutes({}, wednesday);
    calendar.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(calendar.firstDay(), QDate(2025, 12, 21)) << "a Sunday, 11 weeks before";
    calendar.setLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(calendar.firstDay(), QDate(2025, 12, 22)) << "a Monday";
    EXPECT_EQ(calendar.dayRect(QDate(2026, 3, 9)).left(), calendar.dayRect(wednesday).left());
    EXPECT_LT(calendar.dayRect(QDate(2026, 3, 8)).left(), calendar.dayRect(wednesday).left())
        << "Sunday ends the week before";
    EXPECT_TRUE(calendar.dayRect(wednesday.addDays(1)).isEmpty()) << "no days to come";
}

TEST(ListeningCalendarTips, sayTheMinutesAndTheDay) {
    ListeningCalendar calendar;
    calendar.setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const QDate today(2026, 12, 3);
    calendar.setMinutes({{QDate(2026, 12, 1), 12}, {QDate(2026, 12, 2), 1}}, today);
    EXPECT_EQ(calendar.toolTipAt(calendar.dayRect(QDate(2026, 12, 1)).center()),
              "12 minutes on Tuesday 1 December");
    EXPECT_EQ(calendar.toolTipAt(calendar.dayRect(QDate(2026, 12, 2)).center()),
              "1 minute on Wednesday 2 December");
    EXPECT_EQ(calendar.toolTipAt(calendar.dayRect(today).center()),
              "Nothing played on Thursday 3 December");
    EXPECT_EQ(calendar.toolTipAt(QPoint(0, 0)), QString());
}

} // namespace
