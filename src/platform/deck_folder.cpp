#include "platform/deck_folder.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

DeckFolder::DeckFolder()
    : DeckFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                 QStringLiteral("/decks")) {}

DeckFolder::DeckFolder(const QString& folder) : m_folder(QDir::cleanPath(folder)) {}

QStringList DeckFolder::fileNames() const {
    return QDir(m_folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

std::optional<QByteArray> DeckFolder::read(const QString& fileName) const {
    QFile file(path(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

QString DeckFolder::write(const QString& fileName, const QByteArray& bytes) {
    const auto failed = [this](const QString& reason) {
        return QStringLiteral("cannot write to %1: %2")
            .arg(QDir::toNativeSeparators(m_folder), reason);
    };
    // Made on the first write: a learner with no decks has no folder.
    if (!QDir().mkpath(m_folder))
        return failed(QStringLiteral("the folder cannot be made"));
    QSaveFile file(path(fileName));
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failed(reason);
    }
    if (!file.commit())
        return failed(file.errorString());
    return {};
}

QString DeckFolder::moveToTrash(const QString& fileName) {
    QFile file(path(fileName));
    if (!file.exists())
        return {};
    // Qt 6.4 on Linux puts the trash in the working folder when the data folder is missing.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    // Where the desktop has no trash, the file is deleted.
    if (file.moveToTrash() || file.remove())
        return {};
    return QStringLiteral("cannot delete %1 from %2: %3")
        .arg(fileName, QDir::toNativeSeparators(m_folder), file.errorString());
}

QString DeckFolder::path(const QString& fileName) const {
    return m_folder + QLatin1Char('/') + fileName;
}
