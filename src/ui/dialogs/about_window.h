// The About window. While it is open the bar's menu picture is disabled.
#pragma once

#include "ui/dialogs/picture_window.h"

#include <QPointer>

class AboutWindow : public PictureWindow {
    Q_OBJECT
public:
    // menuPicture: the bar's menu picture, blocked while this window is open.
    explicit AboutWindow(QWidget& menuPicture);
    ~AboutWindow() override;

    void onPictureClicked();

    // Centred on the primary screen.
    void showCentred();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<QWidget> m_menuPicture;
};
