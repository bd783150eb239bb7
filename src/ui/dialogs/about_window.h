// The About window. While it is open the dialog gate is open.
#pragma once

#include "core/playback/dialog_gate.h"
#include "ui/dialogs/picture_window.h"

#include <QPointer>

class AboutWindow : public PictureWindow {
    Q_OBJECT
public:
    explicit AboutWindow(DialogGate& gate);
    ~AboutWindow() override;

    void onPictureClicked();

    // Centred on the primary screen.
    void showCentred();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void closeGate();

    QPointer<DialogGate> m_gate; // null once closed
};
