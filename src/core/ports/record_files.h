// The learner's own records (the review schedule, its log, the minutes played): small files in
// the program's data folder, each replaced whole or not at all, or added to line by line.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class RecordFiles {
public:
    virtual ~RecordFiles() = default;
    // The file's path, for messages.
    virtual QString pathOf(const QString& fileName) const = 0;
    // Nothing when the file is missing or cannot be read.
    virtual std::optional<QByteArray> read(const QString& fileName) const = 0;
    // Replaces the file whole, or leaves the old one; empty on success, else why not, naming
    // the file and the reason.
    virtual QString write(const QString& fileName, const QByteArray& bytes) = 0;
    // Adds bytes at the end, making the file when missing; empty on success, else why not.
    virtual QString append(const QString& fileName, const QByteArray& bytes) = 0;
    // Renames a file that cannot be used so that nothing of it is lost and a fresh one can be
    // started; gives the new name's path, or empty when it could not be renamed.
    virtual QString setAside(const QString& fileName) = 0;
};
