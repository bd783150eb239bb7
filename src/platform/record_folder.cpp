#include "platform/record_folder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

RecordFolder::RecordFolder()
    : RecordFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)) {}

RecordFolder::RecordFolder(const QString& folder) : m_folder(QDir::cleanPath(folder)) {}

QString RecordFolder::pathOf(const QString& fileName) const {
    return QDir::toNativeSeparators(m_folder + QLatin1Char('/') + fileName);
}

std::optional<QByteArray> RecordFolder::read(const QString& fileName) const {
    QFile file(m_folder + QLatin1Char('/') + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

QString RecordFolder::failed(const QString& fileName, const QString& reason) const {
    return QStringLiteral("cannot write %1: %2").arg(pathOf(fileName), reason);
}

QString RecordFolder::write(const QString& fileName, const QByteArray& bytes) {
    if (!QDir().mkpath(m_folder))
        return failed(fileName, QStringLiteral("the folder cannot be made"));
    QSaveFile file(m_folder + QLatin1Char('/') + fileName);
    if (!file.open(QIODevice::WriteOnly))
        return failed(fileName, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failed(fileName, reason);
    }
    if (!file.commit())
        return failed(fileName, file.errorString());
    return {};
}

QString RecordFolder::append(const QString& fileName, const QByteArray& bytes) {
    if (!QDir().mkpath(m_folder))
        return failed(fileName, QStringLiteral("the folder cannot be made"));
    QFile file(m_folder + QLatin1Char('/') + fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return failed(fileName, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush())
        return failed(fileName, file.errorString());
    return {};
}

QString RecordFolder::setAside(const QString& fileName) {
    const QString path = m_folder + QLatin1Char('/') + fileName;
    // The time in the name keeps every damaged copy, however often it happens.
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = QStringLiteral("%1.damaged-%2").arg(path, stamp);
    for (int n = 2; QFile::exists(aside); ++n)
        aside = QStringLiteral("%1.damaged-%2-%3").arg(path, stamp).arg(n);
    if (!QFile::rename(path, aside))
        return {};
    return QDir::toNativeSeparators(aside);
}
