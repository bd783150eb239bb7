#include "about/picture_window.h"

#include "forms/picture_box.h"
#include "forms/twips.h"

PictureWindow::PictureWindow(const char* name, const QColor& background, Qt::WindowFlags flags)
    : QWidget(nullptr, flags | Qt::FramelessWindowHint) {
    setObjectName(QLatin1String(name));
    setWindowTitle(QStringLiteral("Version"));
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background);
    setPalette(palette);
    setAutoFillBackground(true);
    setFixedSize(Twips::toPixels(kWidth), Twips::toPixels(kHeight));
    Image1 = new PictureBox(QStringLiteral(":/pictures/splash.gif"), false, this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(Twips::rect(0, 0, kWidth, kHeight));
}
