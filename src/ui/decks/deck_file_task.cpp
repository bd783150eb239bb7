#include "ui/decks/deck_file_task.h"

#include "core/logging.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

// As the dialog's own texts, for one translation of them.
QString translated(const char* text) {
    return QCoreApplication::translate("ImportDialog", text);
}

} // namespace

void readDeckFile(QPromise<DeckReadResult>& promise, const QString& path) {
    promise.setProgressRange(0, 100);
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcDecks).noquote() << "cannot open" << path << ":" << file.errorString();
        promise.addResult(DeckReadResult{
            {}, translated("%1 could not be opened: %2.").arg(name, file.errorString())});
        return;
    }
    constexpr qint64 kChunk = 4 * 1024 * 1024;
    const qint64 size = std::max<qint64>(file.size(), 1);
    QByteArray bytes;
    bytes.reserve(int(std::min(file.size(), DeckLimits::kMaxFileBytes)));
    while (!file.atEnd() && bytes.size() <= DeckLimits::kMaxFileBytes) {
        if (promise.isCanceled())
            return;
        const QByteArray chunk = file.read(kChunk);
        if (chunk.isEmpty() && file.error() != QFile::NoError) {
            promise.addResult(DeckReadResult{
                {}, translated("%1 could not be read: %2.").arg(name, file.errorString())});
            return;
        }
        bytes += chunk;
        promise.setProgressValue(int(std::min<qint64>(10, bytes.size() * 10 / size)));
    }
    DeckReadResult result = readDeckText(std::move(bytes), name, [&promise](int percent) {
        promise.setProgressValue(10 + std::clamp(percent, 0, 100) * 9 / 10);
        return !promise.isCanceled();
    });
    if (!promise.isCanceled())
        promise.addResult(std::move(result));
}

QString deckFormatName(const DeckTable& table) {
    switch (table.format) {
    case DeckFormat::AnkiNotes:
        return translated("Anki notes");
    case DeckFormat::TatoebaPairs:
        return translated("Tatoeba sentence pairs");
    case DeckFormat::Delimited:
        break;
    }
    if (table.separator == QLatin1Char('\t'))
        return translated("tab-separated text");
    if (table.separator == QLatin1Char(';'))
        return translated("semicolon-separated text");
    return translated("comma-separated text");
}

DeckTable firstRows(const DeckTable& table, int count) {
    DeckTable head;
    head.format = table.format;
    head.separator = table.separator;
    head.encoding = table.encoding;
    head.columnNames = table.columnNames;
    head.guidColumn = table.guidColumn;
    const int n = std::min<int>(count, int(table.rows.size()));
    for (int r = 0; r < n; ++r)
        head.rows.append(table.rows[size_t(r)]);
    head.rowLines.assign(table.rowLines.begin(),
                         table.rowLines.begin() + std::min<int>(n, int(table.rowLines.size())));
    return head;
}
