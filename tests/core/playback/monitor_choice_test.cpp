// Which monitor the bar goes to: at a release, at start from the remembered one, when one goes;
// and the text [Bar] keeps them in.
#include "core/playback/monitor_choice.h"

#include <gtest/gtest.h>

namespace {

const QList<Monitor> kTwo = {{"eDP-1", {0, 0, 1024, 768}}, {"HDMI-1", {1024, 0, 1920, 1080}}};

TEST(MonitorChoice, releaseGoesToTheMonitorUnderTheBarOrTheNearestOne) {
    EXPECT_EQ(monitorAt(kTwo, {1023, 10}), 0);
    EXPECT_EQ(monitorAt(kTwo, {1024, 10}), 1);
    EXPECT_EQ(monitorAt(kTwo, {500, 900}), 0) << "below the short monitor, off both";
}

TEST(MonitorChoice, theRememberedMonitorIsFoundByNameThenGeometryElseThePrimary) {
    EXPECT_EQ(findMonitor(kTwo, {"HDMI-1", {0, 0, 800, 600}}), 1) << "its resolution changed";
    EXPECT_EQ(findMonitor(kTwo, {"HDMI-9", {1024, 0, 1920, 1080}}), 1) << "renamed";
    EXPECT_EQ(findMonitor(kTwo, {"HDMI-9", {0, 0, 800, 600}}), 0) << "gone";
    EXPECT_EQ(findMonitor({kTwo[0]}, kTwo[1]), 0) << "unplugged";
}

TEST(MonitorChoice, monitorsAndPlacesReadBackAsWritten) {
    const Monitor left{"DP-2", {-1280, -200, 1280, 1024}};
    EXPECT_EQ(monitorText(left), "DP-2 1280x1024-1280-200");
    EXPECT_EQ(monitorFromText(monitorText(left)).area, left.area);
    EXPECT_EQ(monitorFromText(monitorText(left)).name, left.name);
    const QHash<QString, QPoint> places{{"HDMI-1", {20, -30}}, {"eDP-1", {812, 400}}};
    EXPECT_EQ(placesText(places), "HDMI-1 20,-30;eDP-1 812,400");
    EXPECT_EQ(placesFromText(placesText(places)), places);
    EXPECT_EQ(placesFromText("eDP-1 812;HDMI-1 1,2").size(), 1) << "another form is left out";
}

} // namespace
