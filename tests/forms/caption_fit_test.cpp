// No caption is cut off with the fonts this machine actually has, and the About window opens
// exactly in the middle of the screen.
#include "about/form7.h"
#include "forms/caption_fit.h"
#include "settings_dialog/form3.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

// Ink past the control's right edge once it is given room: the caption was cut off there.
bool inkBeyondRightEdge(QWidget& control) {
    const int width = control.width();
    control.resize(width + 40, control.height());
    const QImage image = control.grab().toImage();
    control.resize(width, control.height());
    const QRgb background = image.pixel(image.width() - 1, image.height() / 2);
    for (int x = width; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != background)
                return true;
    return false;
}

TEST(Captions, noCaptionOfTheSettingsDialogIsCutOff) {
    Form3 dialog;
    dialog.show();
    QList<QWidget*> captioned;
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(control);
        if (qobject_cast<QRadioButton*>(control) || qobject_cast<QCheckBox*>(control) ||
            (label && !label->text().isEmpty()))
            captioned << control;
    }
    ASSERT_EQ(captioned.size(), 22 + 2 + 2 + 4 + 3);
    for (QWidget* control : captioned) {
        EXPECT_FALSE(inkBeyondRightEdge(*control)) << qPrintable(control->objectName());
        EXPECT_LE(control->fontMetrics().height(), control->height())
            << qPrintable(control->objectName());
    }
}

TEST(Captions, onlyControlsTooNarrowAreWidened) {
    QWidget window;
    auto* narrow = new QCheckBox(QStringLiteral("A rather long caption"), &window);
    auto* wide = new QLabel(QStringLiteral("Short"), &window);
    narrow->setGeometry(0, 0, 30, 17);
    wide->setGeometry(0, 20, 200, 13);
    widenToFitCaptions(window);
    EXPECT_GT(narrow->width(), 30);
    EXPECT_FALSE(inkBeyondRightEdge(*narrow));
    EXPECT_EQ(wide->geometry(), QRect(0, 20, 200, 13));
}

TEST(AboutWindow, opensExactlyInTheMiddleOfTheScreen) {
    QWidget menuPicture;
    auto* about = new Form7(menuPicture);
    about->showCentred();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(about->geometry().left() - screen.left(), screen.right() - about->geometry().right());
    EXPECT_EQ(about->geometry().top() - screen.top(), screen.bottom() - about->geometry().bottom());
    about->close();
}

} // namespace
