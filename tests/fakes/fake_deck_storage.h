// An in-memory deck folder; its writes can be made to fail, as on a full or read-only disk.
#pragma once

#include "core/ports/deck_storage.h"

#include <QMap>

class FakeDeckStorage : public DeckStorage {
public:
    QString folder() const override { return QStringLiteral("/home/learner/decks"); }
    QStringList fileNames() const override { return files.keys(); }
    std::optional<QByteArray> read(const QString& fileName) const override {
        const auto it = files.constFind(fileName);
        return it == files.constEnd() ? std::nullopt : std::optional<QByteArray>(*it);
    }
    QString write(const QString& fileName, const QByteArray& bytes) override {
        if (writesFail || (!failingSuffix.isEmpty() && fileName.endsWith(failingSuffix)))
            return QStringLiteral("cannot write to %1: No space left on device").arg(folder());
        files[fileName] = bytes;
        return {};
    }
    QString moveToTrash(const QString& fileName) override {
        trashed << fileName;
        files.remove(fileName);
        return {};
    }

    QMap<QString, QByteArray> files;
    QStringList trashed;
    bool writesFail = false;
    QString failingSuffix; // only writes of files ending so fail
};
