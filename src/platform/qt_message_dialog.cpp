#include "platform/qt_message_dialog.h"

#include <QMessageBox>

void QtMessageDialog::inform(const QString& caption, const QString& message) {
    QMessageBox box(QMessageBox::Information, caption, message, QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint); // the bar above it must not hide it
    box.exec();
}

bool QtMessageDialog::confirm(const QString& caption, const QString& question) {
    QMessageBox box(QMessageBox::Question, caption, question, QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Yes;
}
