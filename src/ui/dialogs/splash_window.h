// The splash shown while the bar waits to appear. A click on it dismisses it at once.
#pragma once

#include "ui/dialogs/picture_window.h"

class SplashWindow : public PictureWindow {
    Q_OBJECT
public:
    SplashWindow();

signals:
    // Clicked away: the bar is to come up now. The window closes itself.
    void dismissed();
};
