#include "platform/xdg_autostart.h"

#include "app/product.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

XdgAutoStart::XdgAutoStart(QString folder) : m_folder(std::move(folder)) {}

QString XdgAutoStart::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart");
}

QString XdgAutoStart::entryPath() const {
    return m_folder + QStringLiteral("/dorvane.desktop");
}

QString XdgAutoStart::execValue(const QString& programPath) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString quoted;
    bool needsQuotes = false;
    for (QChar c : programPath) {
        if (reserved.contains(c))
            needsQuotes = true;
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    if (needsQuotes)
        quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    else
        quoted = programPath;
    // A desktop file's own escaping comes on top: backslashes doubled, '%' starts a field code.
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return quoted;
}

void XdgAutoStart::add(const QString& programPath) {
    QDir().mkpath(m_folder);
    // Written beside the entry and renamed over it, so a crash never leaves half an entry.
    QSaveFile file(entryPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=%1\n"
                                         "Comment=Learn everyday spoken French\n"
                                         "Exec=%2\n"
                                         "Terminal=false\n"
                                         "Categories=Education;Languages;\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(QString::fromLatin1(Product::kTitle), execValue(programPath));
    file.write(entry.toUtf8());
    file.commit();
}

void XdgAutoStart::remove() {
    QFile::remove(entryPath());
}

std::unique_ptr<AutoStart> makeAutoStart() {
    return std::make_unique<XdgAutoStart>();
}
