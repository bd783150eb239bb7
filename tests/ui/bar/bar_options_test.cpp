// The bar over two fake monitors: let go on another one, started again, a monitor unplugged, and
// the Learn entries for its width and its top strip.
#include "core/settings/bar_settings.h"
#include "support/desktop.h"
#include "ui/bar/bar_label.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/twips.h"

#include <QMenu>

namespace {

const Monitor kLaptop{"eDP-1", QRect(0, 0, 1024, 768)};
const Monitor kRight{"HDMI-1", QRect(1024, 0, 1280, 1024)};

class TwoMonitors : public ::testing::Test, protected FakePlatform {
protected:
    void SetUp() override {
        windows.setMonitors({kLaptop, kRight});
        store.seed("xxx", "1");
        store.seed("left", "5680"); // 379 px
    }

    CaptionBar& start() {
        program.reset();
        program = std::make_unique<Application>(platform, settings, random, playback);
        program->start();
        return program->bar();
    }

    void pointerAt(int x, int y) {
        windows.cursor = {x, y};
        program->bar().chrome().onWelcomeTick();
    }

    void dragTo(int x, int y) {
        CaptionBar& bar = program->bar();
        pointerAt(bar.x() + 20, 10);
        bar.onLabelPressed();
        pointerAt(x, y);
        bar.onLabelDragged();
        bar.onLabelReleased();
    }

    // A Learn menu entry, or one of its submenus'.
    QAction* entry(const char* name) {
        const auto* learn = program->barMenu().findChild<QMenu*>("learnMenu");
        for (QAction* action : learn->actions()) {
            if (action->objectName() == QLatin1String(name))
                return action;
            if (action->menu())
                for (QAction* inner : action->menu()->actions())
                    if (inner->objectName() == QLatin1String(name))
                        return inner;
        }
        return nullptr;
    }

    QString stored(const char* key) { return readBarText(store, key); }

    std::unique_ptr<Application> program;
};

TEST_F(TwoMonitors, aBarLetGoOnAnotherMonitorGoesToItsTopAndStartsThereNextTime) {
    CaptionBar& bar = start();
    EXPECT_EQ(bar.geometry(), QRect(379, 0, 477, 23)) << "the primary monitor, as ever";
    dragTo(1500, 300);
    EXPECT_EQ(bar.geometry(), QRect(1480, 0, 477, 23));
    EXPECT_FLOAT_EQ(bar.leftTwips(), (1480 - 1024) * 15) << "counted from its monitor";
    EXPECT_EQ(stored(BarKeys::kMonitor), "HDMI-1 1280x1024+1024+0");
    store.seed("left", QString::number(bar.leftTwips()));
    EXPECT_EQ(start().geometry(), QRect(1480, 0, 477, 23));
}

TEST_F(TwoMonitors, aBarWhoseMonitorIsGoneWaitsOnThePrimaryOneUntilItComesBack) {
    writeBarText(store, BarKeys::kMonitor, "HDMI-1 1280x1024+1024+0");
    store.seed("left", "12000"); // 800 px: beyond the laptop's right edge
    CaptionBar& bar = start();
    EXPECT_EQ(bar.x(), 1824);
    windows.setMonitors({kLaptop});
    EXPECT_EQ(bar.geometry(), QRect(1024 - 474, 0, 477, 23)) << "its menu picture in reach";
    windows.setMonitors({kLaptop, kRight});
    EXPECT_EQ(bar.x(), 1024 + 550) << "back on its own, where it was left on the laptop";
    EXPECT_EQ(stored(BarKeys::kMonitor), "HDMI-1 1280x1024+1024+0") << "kept all along";
}

TEST_F(TwoMonitors, aRememberedMonitorThatIsGoneAtStartLeavesTheBarOnThePrimaryOne) {
    writeBarText(store, BarKeys::kMonitor, "DP-3 1920x1080+1024+0");
    EXPECT_EQ(start().geometry(), QRect(379, 0, 477, 23));
}

TEST_F(TwoMonitors, widerBarsKeepTheirPictureAtTheRightEndAndScrollLess) {
    CaptionBar& bar = start();
    const int pictureFromRight = bar.width() - bar.menuPicture()->geometry().right();
    bar.setFrenchLine(QString(120, QLatin1Char('m')));
    const int overflow = bar.lineOverflow(BarLine::French);
    entry("width1")->trigger();
    EXPECT_EQ(bar.geometry(), QRect(1024 - 954, 0, 954, 23)) << "kept on the monitor";
    EXPECT_EQ(bar.lineOverflow(BarLine::French), overflow - 477);
    EXPECT_EQ(stored(BarKeys::kWidth.key), "1");
    dragTo(1100, 10);
    entry("width2")->trigger();
    EXPECT_EQ(bar.geometry(), QRect(1024, 0, 1280, 23)) << "its whole monitor";
    EXPECT_EQ(bar.width() - bar.menuPicture()->geometry().right(), pictureFromRight);
    EXPECT_EQ(bar.barRect(), bar.geometry()) << "the auto-hide test follows it";
    entry("width0")->trigger();
    EXPECT_EQ(bar.geometry(), QRect(1024, 0, 477, 23));
}

TEST_F(TwoMonitors, theTopStripIsKeptOnTheBarsMonitorWhileAskedForAndGivenBackAfter) {
    CaptionBar& bar = start();
    bar.setVisible(true);
    EXPECT_TRUE(windows.reserved.isNull()) << "nothing asked by default";
    entry("keepTopStrip")->trigger();
    EXPECT_EQ(windows.reserved, QRect(0, 0, 1024, 23));
    EXPECT_EQ(stored(BarKeys::kReserve.key), "1");
    dragTo(1500, 300);
    EXPECT_EQ(windows.reserved, QRect(1024, 0, 1280, 23)) << "it follows the bar";
    entry("keepTopStrip")->trigger();
    EXPECT_TRUE(windows.reserved.isEmpty());
    EXPECT_EQ(stored(BarKeys::kReserve.key), "0");
}

} // namespace

TEST_F(TwoMonitors, largerTextMakesTheBarItsStripAndItsPictureTallerAndNormalIsAsBefore) {
    CaptionBar& bar = start();
    bar.setFrenchLine(QStringLiteral(" Il fait beau aujourd'hui, on va se promener ?"));
    const QImage normal = bar.grab().toImage();
    const int textWidth = bar.frenchLine()->textWidth();
    entry("text_size2")->trigger();
    EXPECT_EQ(bar.height(), 34) << "340 twips at one and a half";
    EXPECT_EQ(bar.barRect().height(), 34);
    EXPECT_EQ(bar.menuPicture()->size(), QSize(27, 27));
    EXPECT_EQ(bar.width() - bar.menuPicture()->geometry().right(), 5) << "4.5 pixels from the end";
    EXPECT_GT(bar.frenchLine()->textWidth(), textWidth * 4 / 3);
    EXPECT_EQ(stored(BarKeys::kTextSize.key), "2");
    bar.setBarHeight(BarChrome::kCollapsedHeight);
    EXPECT_EQ(bar.height(), 2) << "the collapsed strip, 30 twips";
    bar.setBarHeight(CaptionBar::kFullHeight);
    entry("text_size0")->trigger();
    EXPECT_EQ(bar.grab().toImage(), normal);
}
