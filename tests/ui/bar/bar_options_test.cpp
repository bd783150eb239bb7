// The bar over two fake monitors: let go on another one, started again, a monitor unplugged, and
// the Learn entries for its width, its text size and its top strip.
#include "core/settings/bar_settings.h"
#include "support/desktop.h"
#include "ui/widgets/picture_box.h"

#include <QMenu>

namespace {

class TwoMonitors : public ::testing::Test, protected FakePlatform {
protected:
    void SetUp() override {
        windows.setMonitors({{"eDP-1", {0, 0, 1024, 768}}, {"HDMI-1", {1024, 0, 1280, 1024}}});
        store.seed("xxx", "1");
        store.seed("left", "5680"); // 379 px
    }

    CaptionBar& start() {
        program.reset();
        program = std::make_unique<Application>(platform, settings, random, playback);
        program->start();
        return program->bar();
    }

    void dragTo(int x, int y) {
        CaptionBar& bar = program->bar();
        windows.cursor = {bar.x() + 20, 10};
        bar.chrome().onWelcomeTick();
        bar.onLabelPressed();
        windows.cursor = {x, y};
        bar.chrome().onWelcomeTick();
        bar.onLabelDragged();
        bar.onLabelReleased();
    }

    // A Learn menu entry of a submenu, or the learn menu's own.
    QAction* entry(const char* name) {
        for (QAction* action : program->barMenu().findChild<QMenu*>("learnMenu")->actions())
            for (QAction* inner : action->menu() ? action->menu()->actions() : QList{action})
                if (inner->objectName() == QLatin1String(name))
                    return inner;
        return nullptr;
    }

    std::unique_ptr<Application> program;
};

TEST_F(TwoMonitors, aBarLetGoOnAnotherMonitorGoesToItsTopAndStartsThereNextTime) {
    CaptionBar& bar = start();
    EXPECT_EQ(bar.geometry(), QRect(379, 0, 477, 23)) << "the primary monitor, as ever";
    dragTo(1500, 300);
    EXPECT_EQ(bar.geometry(), QRect(1480, 0, 477, 23));
    EXPECT_FLOAT_EQ(bar.leftTwips(), (1480 - 1024) * 15) << "counted from its monitor";
    EXPECT_EQ(readBarText(store, BarKeys::kMonitor), "HDMI-1 1280x1024+1024+0");
    store.seed("left", QString::number(bar.leftTwips()));
    EXPECT_EQ(start().geometry(), QRect(1480, 0, 477, 23));
}

TEST_F(TwoMonitors, aBarWhoseMonitorIsGoneWaitsOnThePrimaryOneUntilItComesBack) {
    writeBarText(store, BarKeys::kMonitor, "HDMI-1 1280x1024+1024+0");
    store.seed("left", "12000"); // 800 px: beyond the laptop's right edge
    CaptionBar& bar = start();
    EXPECT_EQ(bar.x(), 1824);
    const QList<Monitor> both = windows.monitors();
    windows.setMonitors({both.first()});
    EXPECT_EQ(bar.geometry(), QRect(1024 - 474, 0, 477, 23)) << "its menu picture in reach";
    windows.setMonitors(both);
    EXPECT_EQ(bar.x(), 1024 + 550) << "back on its own, where it was left on the laptop";
}

TEST_F(TwoMonitors, widerBarsKeepTheirPictureAtTheRightEndAndScrollLess) {
    CaptionBar& bar = start();
    const int pictureFromRight = bar.width() - bar.menuPicture()->geometry().right();
    bar.setFrenchLine(QString(120, QLatin1Char('m')));
    const int overflow = bar.lineOverflow(BarLine::French);
    entry("width1")->trigger();
    EXPECT_EQ(bar.geometry(), QRect(1024 - 954, 0, 954, 23)) << "kept on the monitor";
    EXPECT_EQ(bar.lineOverflow(BarLine::French), overflow - 477);
    dragTo(1100, 10);
    entry("width2")->trigger();
    EXPECT_EQ(bar.geometry(), QRect(1024, 0, 1280, 23)) << "its whole monitor";
    EXPECT_EQ(bar.width() - bar.menuPicture()->geometry().right(), pictureFromRight);
    EXPECT_EQ(bar.barRect(), bar.geometry()) << "the auto-hide test follows it";
}

TEST_F(TwoMonitors, largerTextMakesTheBarItsStripAndItsPictureTallerAndNormalIsAsBefore) {
    CaptionBar& bar = start();
    bar.setFrenchLine(QStringLiteral(" Il fait beau aujourd'hui, on va se promener ?"));
    const QImage normal = bar.grab().toImage();
    entry("text_size2")->trigger();
    EXPECT_EQ(bar.barRect().height(), 34) << "340 twips at one and a half";
    EXPECT_EQ(bar.menuPicture()->size(), QSize(27, 27));
    EXPECT_EQ(bar.width() - bar.menuPicture()->geometry().right(), 5) << "4.5 pixels from the end";
    EXPECT_EQ(readBarText(store, BarKeys::kTextSize.key), "2");
    bar.setBarHeight(BarChrome::kCollapsedHeight);
    EXPECT_EQ(bar.height(), 2) << "the collapsed strip, 30 twips";
    bar.setBarHeight(CaptionBar::kFullHeight);
    entry("text_size0")->trigger();
    EXPECT_EQ(bar.grab().toImage(), normal);
}

TEST_F(TwoMonitors, theTopStripIsKeptOnTheBarsMonitorWhileAskedForAndGivenBackAfter) {
    CaptionBar& bar = start();
    bar.setVisible(true);
    EXPECT_TRUE(windows.reserved.isNull()) << "nothing asked by default";
    entry("keepTopStrip")->trigger();
    EXPECT_EQ(windows.reserved, QRect(0, 0, 1024, 23));
    dragTo(1500, 300);
    EXPECT_EQ(windows.reserved, QRect(1024, 0, 1280, 23)) << "it follows the bar";
    entry("keepTopStrip")->trigger();
    EXPECT_TRUE(windows.reserved.isEmpty());
    EXPECT_EQ(readBarText(store, BarKeys::kReserve.key), "0");
}

} // namespace
