// Form7: the About window. While it is open the bar's menu picture is disabled.
#pragma once

#include "about/picture_window.h"

#include <QPointer>

class Form7 : public PictureWindow {
    Q_OBJECT
public:
    // menuPicture: the bar's Image1, blocked while this window is open.
    explicit Form7(QWidget& menuPicture);
    ~Form7() override;

    void Image1_Click();

    // Centred on the primary screen.
    void showCentred();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<QWidget> m_menuPicture;
};
