#include "platform/program_path.h"

QString windowsProgramPath(const QString& folder, const QString& baseName) {
    const QString separator = folder.endsWith(QLatin1Char('\\')) ? QString() : QStringLiteral("\\");
    return folder + separator + baseName + QStringLiteral(".exe");
}
