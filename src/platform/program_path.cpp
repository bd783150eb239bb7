#include "platform/program_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString currentProgramPath() {
    const QFileInfo program(QCoreApplication::applicationFilePath());
#ifdef Q_OS_WIN
    return windowsProgramPath(QDir::toNativeSeparators(program.absolutePath()),
                              program.completeBaseName());
#else
    return program.absoluteFilePath();
#endif
}

QString windowsProgramPath(const QString& folder, const QString& baseName) {
    const QString separator = folder.endsWith(QLatin1Char('\\')) ? QString() : QStringLiteral("\\");
    return folder + separator + baseName + QStringLiteral(".exe");
}
