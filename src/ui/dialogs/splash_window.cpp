#include "ui/dialogs/splash_window.h"

#include "platform/system_colors.h"
#include "ui/widgets/picture_box.h"

SplashWindow::SplashWindow()
    : PictureWindow("SplashWindow", systemColor(SystemColor::Window),
                    Qt::SplashScreen | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    connect(picture(), &PictureBox::clicked, this, [this] {
        emit dismissed();
        close();
    });
}
