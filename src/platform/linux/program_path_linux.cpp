#include "platform/program_path.h"

#include <QCoreApplication>
#include <QFileInfo>

QString currentProgramPath() {
    return QFileInfo(QCoreApplication::applicationFilePath()).absoluteFilePath();
}
