#include "core/unreadable_record.h"

#include "core/ports/record_files.h"

QString setAsideUnreadable(RecordFiles& files, const QString& fileName, const QString& what,
                           const QString& why, const QString& after) {
    const QString path = files.pathOf(fileName);
    const QString aside = files.setAside(fileName);
    if (aside.isEmpty())
        return QStringLiteral("%1 %2 cannot be read (%3) nor renamed: %4")
            .arg(what, path, why, after);
    return QStringLiteral("%1 %2 cannot be read (%3): it is kept as %4 and %5")
        .arg(what, path, why, aside, after);
}
