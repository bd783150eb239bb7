// The folder the learner's decks live in: plain files, each replaced whole or not at all.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class DeckStorage {
public:
    virtual ~DeckStorage() = default;
    // The folder, for messages and for opening it.
    virtual QString folder() const = 0;
    // The names of the files in it.
    virtual QStringList fileNames() const = 0;
    virtual std::optional<QByteArray> read(const QString& fileName) const = 0;
    // Replaces the file whole, or leaves the old one; empty on success, else why not, naming
    // the folder and the reason.
    virtual QString write(const QString& fileName, const QByteArray& bytes) = 0;
    // Moves the file to the desktop's trash (deleting it where there is none); empty on success.
    virtual QString moveToTrash(const QString& fileName) = 0;
};
