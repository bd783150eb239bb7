#include "platform/program_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString currentProgramPath() {
    const QFileInfo program(QCoreApplication::applicationFilePath());
    return windowsProgramPath(QDir::toNativeSeparators(program.absolutePath()),
                              program.completeBaseName());
}
