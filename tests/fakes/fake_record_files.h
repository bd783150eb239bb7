// The learner's records in memory; writes can be made to fail, as on a full or read-only disk.
#pragma once

#include "core/ports/record_files.h"

#include <QMap>

class FakeRecordFiles : public RecordFiles {
public:
    QString pathOf(const QString& fileName) const override {
        return QStringLiteral("/home/learner/.local/share/Dorvane/") + fileName;
    }
    std::optional<QByteArray> read(const QString& fileName) const override {
        const auto it = files.constFind(fileName);
        return it == files.constEnd() ? std::nullopt : std::optional<QByteArray>(*it);
    }
    QString write(const QString& fileName, const QByteArray& bytes) override {
        if (writesFail)
            return QStringLiteral("cannot write %1: No space left on device").arg(pathOf(fileName));
        files[fileName] = bytes;
        return {};
    }
    QString append(const QString& fileName, const QByteArray& bytes) override {
        if (writesFail)
            return QStringLiteral("cannot write %1: No space left on device").arg(pathOf(fileName));
        files[fileName] += bytes;
        return {};
    }
    QString setAside(const QString& fileName) override {
        const auto it = files.constFind(fileName);
        if (it == files.constEnd())
            return {};
        const QString aside = fileName + QStringLiteral(".damaged");
        files[aside] = *it;
        files.remove(fileName);
        return pathOf(aside);
    }

    QMap<QString, QByteArray> files;
    bool writesFail = false;
};
