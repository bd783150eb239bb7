#include "platform/desktop_shell.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopShell::open(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}
