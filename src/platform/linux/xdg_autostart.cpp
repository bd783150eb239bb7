#include "platform/linux/xdg_autostart.h"

#include "core/settings/product.h"
#include "platform/os_services.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

XdgAutoStart::XdgAutoStart(QString folder) : m_folder(std::move(folder)) {}

QString XdgAutoStart::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart");
}

QString XdgAutoStart::entryPath() const {
    return m_folder + QStringLiteral("/dorvane.desktop");
}

QString XdgAutoStart::execValue(const QString& programPath) {
    // Quoting first: an argument holding a reserved character goes in double quotes, inside
    // which '"', '`', '$' and '\' take a backslash.
    static const QString reserved = QStringLiteral(" \t\n\r\"'\\><~|&;$*?#()`");
    const bool needsQuotes = std::any_of(programPath.begin(), programPath.end(),
                                         [](QChar c) { return reserved.contains(c); });
    QString argument;
    if (needsQuotes) {
        argument += QLatin1Char('"');
        for (QChar c : programPath) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\'))
                argument += QLatin1Char('\\');
            argument += c;
        }
        argument += QLatin1Char('"');
    } else {
        argument = programPath;
    }
    // Then the string escapes of every desktop entry value, so a line break in a folder name
    // can never start a line of its own; '%' would start a field code.
    static const std::pair<QChar, QLatin1String> escapes[] = {
        {QLatin1Char('\\'), QLatin1String("\\\\")},
        {QLatin1Char('\n'), QLatin1String("\\n")},
        {QLatin1Char('\t'), QLatin1String("\\t")},
        {QLatin1Char('\r'), QLatin1String("\\r")},
        {QLatin1Char('%'), QLatin1String("%%")}};
    QString value;
    for (QChar c : argument) {
        const auto escape = std::find_if(std::begin(escapes), std::end(escapes),
                                         [c](const auto& e) { return e.first == c; });
        if (escape != std::end(escapes))
            value += escape->second;
        else
            value += c;
    }
    return value;
}

bool XdgAutoStart::isWritablePath(const QString& programPath) {
    // Bytes that are not UTF-8 reach us as replacement characters, or as lone surrogates.
    return !programPath.isEmpty() && programPath.isValidUtf16() &&
           !programPath.contains(QChar::ReplacementCharacter);
}

void XdgAutoStart::add(const QString& programPath) {
    m_lastError.clear();
    if (!isWritablePath(programPath)) {
        m_lastError = QStringLiteral("%1 was not written: the program's path is not valid UTF-8, "
                                     "which a desktop entry cannot hold. Move the program to a "
                                     "folder whose name is valid UTF-8.")
                          .arg(entryPath());
        return;
    }
    QDir().mkpath(m_folder);
    // Written beside the entry and renamed over it, so a crash never leaves half an entry.
    QSaveFile file(entryPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        m_lastError =
            QStringLiteral("%1 could not be written: %2").arg(entryPath(), file.errorString());
        return;
    }
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
    if (!file.commit())
        m_lastError =
            QStringLiteral("%1 could not be written: %2").arg(entryPath(), file.errorString());
}

void XdgAutoStart::remove() {
    m_lastError.clear();
    QFile entry(entryPath());
    if (entry.exists() && !entry.remove())
        m_lastError =
            QStringLiteral("%1 could not be removed: %2").arg(entryPath(), entry.errorString());
}

std::unique_ptr<AutoStart> makeAutoStart() {
    return std::make_unique<XdgAutoStart>();
}
