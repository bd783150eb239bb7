#include "ui/dialogs/picture_window.h"

#include "ui/widgets/picture_box.h"
#include "ui/widgets/twips.h"

PictureWindow::PictureWindow(const char* name, const QColor& background, Qt::WindowFlags flags)
    : QWidget(nullptr, flags | Qt::FramelessWindowHint) {
    setObjectName(QLatin1String(name));
    setWindowTitle(tr("Version"));
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background);
    setPalette(palette);
    setAutoFillBackground(true);
    setFixedSize(Twips::toPixels(kWidth), Twips::toPixels(kHeight));
    m_picture = new PictureBox(QStringLiteral(":/pictures/splash.gif"), false, this);
    m_picture->setObjectName(QStringLiteral("picture"));
    m_picture->setGeometry(Twips::rect(0, 0, kWidth, kHeight));
}
