// The folder of the learner's decks under the platform's app-data location, each file replaced
// whole through a temporary one beside it, never half written.
#pragma once

#include "core/ports/deck_storage.h"

class DeckFolder : public DeckStorage {
public:
    DeckFolder(); // "<app data>/decks"
    explicit DeckFolder(const QString& folder);

    QString folder() const override { return m_folder; }
    QStringList fileNames() const override;
    std::optional<QByteArray> read(const QString& fileName) const override;
    QString write(const QString& fileName, const QByteArray& bytes) override;
    QString moveToTrash(const QString& fileName) override;

private:
    QString path(const QString& fileName) const;

    QString m_folder;
};
