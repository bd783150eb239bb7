// The display a start needs, judged before Qt is asked, with the variables it is judged by set
// for each case and put back after.
#include "platform/os_services.h"

#include <QLocalServer>
#include <gtest/gtest.h>

namespace {

TEST(DisplayCheck, namesWhatNoPlatformTriedCouldReachAndLeavesOtherPlatformsAlone) {
    const char* names[] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET"};
    QList<QByteArray> kept;
    for (const char* name : names)
        kept << qgetenv(name);
    QLocalServer compositor; // in the runtime folder, where WAYLAND_DISPLAY names it
    ASSERT_TRUE(compositor.listen(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/wayland-test"));
    // {QT_QPA_PLATFORM, WAYLAND_DISPLAY, what is named}; no X display in any case
    const std::tuple<const char*, const char*, QString> cases[] = {
        {"", "", "DISPLAY="},
        {"xcb", "", "DISPLAY="},
        {"offscreen", "", ""},
        {"xcb;wayland", "wayland-none", "DISPLAY=, WAYLAND_DISPLAY=wayland-none"},
        {"xcb;wayland", "wayland-test", ""},
    };
    for (const auto& [platform, wayland, named] : cases) {
        qputenv("QT_QPA_PLATFORM", platform);
        qunsetenv("DISPLAY");
        qputenv("WAYLAND_DISPLAY", wayland);
        qunsetenv("WAYLAND_SOCKET");
        EXPECT_EQ(unreachableDisplay(), named) << platform << " " << wayland;
    }
    for (int i = 0; i < kept.size(); ++i)
        kept[i].isNull() ? qunsetenv(names[i]) : qputenv(names[i], kept[i]);
}

} // namespace
