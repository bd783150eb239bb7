// Form4: the splash shown while the bar waits to appear. A click on it brings the bar up at once.
#pragma once

#include "about/picture_window.h"

class CaptionBar;

class Form4 : public PictureWindow {
    Q_OBJECT
public:
    explicit Form4(CaptionBar& bar);

    void Image1_Click();

private:
    CaptionBar& m_bar;
};
