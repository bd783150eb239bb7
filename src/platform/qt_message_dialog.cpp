#include "platform/qt_message_dialog.h"

#include <QMessageBox>

void QtMessageDialog::inform(const QString& caption, const QString& message) {
    QMessageBox box(QMessageBox::Information, caption, message, QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint); // the bar above it must not hide it
    box.exec();
}
