#include "ui/dialogs/picture_window.h"

#include "core/settings/product.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/twips.h"

#include <QLabel>

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
    // The addresses of whoever ships the program, under "Made by", in the picture's blue.
    const QString lines[2] = {QString::fromUtf8(Product::website()),
                              QString::fromUtf8(Product::supportEmail())};
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    for (int i = 0; i < 2; ++i) {
        auto* address = new QLabel(lines[i], this);
        address->setObjectName(i == 0 ? QStringLiteral("website") : QStringLiteral("email"));
        address->setFont(font);
        address->setAlignment(Qt::AlignCenter);
        address->setAttribute(Qt::WA_TransparentForMouseEvents); // a click still closes About
        address->setStyleSheet(QStringLiteral("color: #1f4fa3"));
        address->setGeometry(4, 245 + 14 * i, width() - 8, 14);
        address->setVisible(!lines[i].isEmpty());
    }
}
