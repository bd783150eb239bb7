#include "settings_dialog/set_auto_start.h"

#include "app/module1.h"
#include "platform/auto_start.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

void Set_Auto_Start(AutoStart& autoStart, const QString& programPath) {
    if (Settings.mark == 1)
        autoStart.add(programPath);
    else if (Settings.mark == 0)
        autoStart.remove();
}

QString currentProgramPath() {
    const QFileInfo program(QCoreApplication::applicationFilePath());
#ifdef Q_OS_WIN
    return windowsProgramPath(QDir::toNativeSeparators(program.absolutePath()),
                              program.completeBaseName());
#else
    return program.absoluteFilePath();
#endif
}
