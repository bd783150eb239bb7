// The learner's records as files in the program's data folder.
#pragma once

#include "core/ports/record_files.h"

class RecordFolder : public RecordFiles {
public:
    RecordFolder(); // the data folder of this user
    explicit RecordFolder(const QString& folder);

    QString pathOf(const QString& fileName) const override;
    std::optional<QByteArray> read(const QString& fileName) const override;
    QString write(const QString& fileName, const QByteArray& bytes) override;
    QString append(const QString& fileName, const QByteArray& bytes) override;
    QString setAside(const QString& fileName) override;

private:
    QString failed(const QString& fileName, const QString& reason) const;

    QString m_folder;
};
