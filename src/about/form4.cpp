#include "about/form4.h"

#include "app/module1.h"
#include "forms/picture_box.h"
#include "platform/system_colors.h"
#include "playback/caption_bar.h"

Form4::Form4(CaptionBar& bar)
    : PictureWindow("Form4", systemColor(SystemColor::Window),
                    Qt::SplashScreen | Qt::WindowStaysOnTopHint),
      m_bar(bar) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    connect(Image1, &PictureBox::Click, this, &Form4::Image1_Click);
}

// The welcome goes on from where the splash would have closed by itself.
void Form4::Image1_Click() {
    m_bar.setVisible(true);
    close();
    gintStartCount = 50;
}
