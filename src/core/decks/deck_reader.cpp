#include "core/decks/deck_reader.h"

#include "core/decks/deck_columns.h"
#include "core/decks/deck_text.h"
#include "core/decks/delimited_text.h"
#include "core/decks/line_key_index.h"

#include <algorithm>

namespace {

constexpr int kProgressEvery = 4096; // records

QString shownName(const QString& fileName) {
    const qsizetype slash = std::max(fileName.lastIndexOf('/'), fileName.lastIndexOf('\\'));
    return fileName.mid(slash + 1);
}

// 1204 as "1,204", whatever the locale: the summary is one line of the program's own English.
QString grouped(qint64 number) {
    QString digits = QString::number(number);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, ',');
    return digits;
}

DeckReadResult refused(const QString& sentence, const QString& fileName) {
    DeckReadResult result;
    result.error = sentence.arg(shownName(fileName));
    return result;
}

void noteSkipped(std::vector<SkippedRecord>& skipped, int& count, int line, const QString& why) {
    ++count;
    if (skipped.size() < size_t(DeckLimits::kSkippedShown))
        skipped.push_back({line, why});
}

// The header lines an Anki notes export opens with: "#key:value", one a line.
struct AnkiHeader {
    bool found = false;
    QChar separator;
    bool html = false;
    QString columns;        // the names, still joined
    QChar columnsSeparator; // the one set before #columns:; null: the one the file turns out to use
    int guidColumn = -1;
    QList<int> metaColumns; // notetype, deck and tags: 0-based
    QString deckName;
    qsizetype dataStart = 0;
    int dataLine = 1;
};

QChar separatorNamed(QStringView value) {
    if (value.size() == 1)
        return value[0];
    static const std::pair<QStringView, QChar> kNames[] = {{u"tab", '\t'},      {u"comma", ','},
                                                           {u"semicolon", ';'}, {u"pipe", '|'},
                                                           {u"colon", ':'},     {u"space", ' '}};
    const QStringView name = value.trimmed();
    for (const auto& [known, separator] : kNames) {
        if (name.compare(known, Qt::CaseInsensitive) == 0)
            return separator;
    }
    return name.size() == 1 ? name[0] : QChar();
}

AnkiHeader readAnkiHeader(QByteArrayView text) {
    AnkiHeader header;
    qsizetype at = 0;
    int line = 1;
    const qsizetype n = text.size();
    while (at < n && text[at] == '#') {
        qsizetype end = at;
        while (end < n && text[end] != '\n' && text[end] != '\r')
            ++end;
        const QString entryText = QString::fromUtf8(text.sliced(at + 1, end - at - 1));
        const QStringView entry = entryText;
        const qsizetype colon = entry.indexOf(':');
        const QString key =
            entry.left(std::max<qsizetype>(colon, 0)).trimmed().toString().toLower();
        const QStringView value = entry.mid(colon + 1);
        const int column = value.trimmed().toInt() - 1;
        bool known = true;
        if (key == QLatin1String("separator"))
            known = !(header.separator = separatorNamed(value)).isNull();
        else if (key == QLatin1String("html"))
            header.html = value.trimmed().compare(u"true", Qt::CaseInsensitive) == 0;
        else if (key == QLatin1String("columns")) {
            header.columns = value.toString();
            header.columnsSeparator = header.separator;
        } else if (key == QLatin1String("guid column") && column >= 0)
            header.guidColumn = column;
        else if ((key == QLatin1String("notetype column") || key == QLatin1String("deck column") ||
                  key == QLatin1String("tags column")) &&
                 column >= 0)
            header.metaColumns.append(column);
        else if (key == QLatin1String("deck"))
            header.deckName = cleanDeckField(value.toString());
        else
            known = key == QLatin1String("tags") || key == QLatin1String("notetype");
        header.found = header.found || (colon > 0 && known);
        at = end + (end + 1 < n && text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);
        ++line;
    }
    header.dataStart = std::min(at, n);
    header.dataLine = line;
    return header;
}

// Tatoeba's pairs: id, sentence, translation id, translation, split by raw tabs, in every one of
// the first 50 lines.
bool looksLikeTatoeba(QByteArrayView text) {
    DelimitedText records(text, '\t', false);
    QStringList fields;
    int lines = 0;
    while (lines < 50 && records.next(fields)) {
        if (DelimitedText::isBlank(fields))
            continue;
        if (fields.size() != 4 || !isDigitsOnly(fields[0]) || !isDigitsOnly(fields[2]))
            return false;
        ++lines;
    }
    return lines > 0;
}

// Over UTF-8: a character other than a blank, as QChar::isSpace() tells.
bool hasText(QByteArrayView text) {
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            if (byte != ' ' && (byte < '\t' || byte > '\r'))
                return true;
            ++i;
            continue;
        }
        const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
        const QString c = QString::fromUtf8(text.sliced(i, std::min(length, n - i)));
        if (std::any_of(c.begin(), c.end(), [](QChar q) { return !q.isSpace(); }))
            return true;
        i += length;
    }
    return false;
}

// The length in UTF-16 units, as QString::size() would tell, of valid UTF-8.
qsizetype utf16Length(QByteArrayView text) {
    qsizetype length = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        length += (byte & 0xC0) != 0x80 ? 1 : 0;
        length += byte >= 0xF0 ? 1 : 0; // beyond the basic plane: a surrogate pair
    }
    return length;
}

} // namespace

DeckReadResult readDeckText(QByteArray bytes, const QString& fileName,
                            const std::function<bool(int percent)>& progress) {
    if (bytes.size() > DeckLimits::kMaxFileBytes)
        return refused(QStringLiteral("%1 is over %2 MB, the most an import takes.")
                           .arg(QStringLiteral("%1"),
                                QString::number(DeckLimits::kMaxFileBytes / (1024 * 1024))),
                       fileName);
    DecodedDeckText decoded = decodeDeckBytes(std::move(bytes));
    if (decoded.binary)
        return refused(QStringLiteral("%1 is not a text file."), fileName);
    if (!hasText(decoded.text))
        return refused(QStringLiteral("%1 is empty."), fileName);
    const QString noPairs =
        QStringLiteral("%1 has no line of two fields, a sentence and its translation.");

    const QByteArrayView text = decoded.text;
    DeckTable table;
    table.encoding = decoded.encoding;
    const AnkiHeader anki = readAnkiHeader(text);
    qsizetype start = 0;
    int firstLine = 1;
    bool quoting = true;
    if (anki.found) {
        table.format = DeckFormat::AnkiNotes;
        table.separator = anki.separator;
        table.guidColumn = anki.guidColumn;
        table.deckName = anki.deckName;
        start = anki.dataStart;
        firstLine = anki.dataLine;
    } else if (looksLikeTatoeba(text)) {
        table.format = DeckFormat::TatoebaPairs;
        table.separator = '\t';
        table.guidColumn = 0;
        quoting = false;
    }
    if (table.separator.isNull())
        table.separator = sniffSeparator(text, start);
    if (table.separator.isNull())
        return refused(noPairs, fileName);

    const bool tatoeba = table.format == DeckFormat::TatoebaPairs;
    DelimitedText records(text, table.separator, quoting, start, firstLine);
    // Room for as many bytes as the text: only what is written to costs memory.
    table.rows.reserve(text.size());
    LineKeyIndex sentenceIds(table.rows, 0);
    QStringList fields;
    int recordCount = 0;
    while (records.next(fields)) {
        if (DelimitedText::isBlank(fields))
            continue;
        if (++recordCount > DeckLimits::kMaxRecords)
            return refused(QStringLiteral("%1 has over %2 records, the most an import takes.")
                               .arg(QStringLiteral("%1"), grouped(DeckLimits::kMaxRecords)),
                           fileName);
        if (progress && recordCount % kProgressEvery == 0 &&
            !progress(int(records.position() * 100 / text.size())))
            return {};
        if (fields.size() < 2) {
            noteSkipped(table.skipped, table.skippedCount, records.recordLine(),
                        QStringLiteral("one field"));
            continue;
        }
        for (QString& f : fields)
            f = cleanDeckField(f, anki.html);
        if (tatoeba)
            fields[2] = QString(); // the translation's own id plays no part: not kept
        table.rows.append(fields);
        // Tatoeba lists a sentence once per translation: the first one is kept.
        if (tatoeba && !sentenceIds.insert(table.rows.size() - 1)) {
            table.rows.removeLast();
            ++table.folded;
            continue;
        }
        table.rowLines.push_back(records.recordLine());
    }
    decoded = DecodedDeckText();
    table.rows.squeeze();
    if (table.rows.empty())
        return refused(noPairs, fileName);

    QList<int> notText = anki.metaColumns;
    if (table.guidColumn >= 0)
        notText.append(table.guidColumn);
    if (!anki.columns.isEmpty()) {
        const QChar separator =
            anki.columnsSeparator.isNull() ? table.separator : anki.columnsSeparator;
        for (const QString& name : anki.columns.split(separator))
            table.columnNames.append(cleanDeckField(name));
    } else if (table.format == DeckFormat::Delimited &&
               startsWithHeaderRow(table.rows.firstLines(21))) {
        table.columnNames = table.rows[0];
        table.rows.removeFirst();
        table.rowLines.erase(table.rowLines.begin());
        if (table.rows.empty())
            return refused(noPairs, fileName);
    }
    if (tatoeba) {
        table.sentenceColumn = 1;
        table.translationColumn = 3;
    } else {
        guessSentenceColumns(table, notText);
    }
    DeckReadResult result;
    result.table = std::move(table);
    return result;
}

DeckDraft draftDeck(const DeckTable& table, int sentenceColumn, int translationColumn) {
    DeckDraft draft;
    draft.folded = table.folded;
    std::vector<SkippedRecord> skipped;
    int skippedHere = 0;
    draft.sentences.reserve(table.rows.bytes().size());
    LineKeyIndex keys(draft.sentences.lines(), DeckSentences::kKeyColumn);
    keys.reserve(table.rows.size());
    const QString tooLong = QStringLiteral("over %1 characters").arg(DeckLimits::kMaxTextLength);
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const int line = r < table.rowLines.size() ? table.rowLines[r] : 0;
        const auto skip = [&](const QString& why) { noteSkipped(skipped, skippedHere, line, why); };
        const QByteArrayView sentence = table.rows.field(r, sentenceColumn);
        const QByteArrayView translation = table.rows.field(r, translationColumn);
        if (sentenceColumn == translationColumn)
            skip(QStringLiteral("sentence and translation in one column"));
        else if (sentence.isEmpty())
            skip(QStringLiteral("empty sentence"));
        else if (translation.isEmpty())
            skip(QStringLiteral("empty translation"));
        else if (utf16Length(sentence) > DeckLimits::kMaxTextLength ||
                 utf16Length(translation) > DeckLimits::kMaxTextLength)
            skip(tooLong);
        else {
            QByteArrayView key = table.rows.field(r, table.guidColumn);
            if (key.isEmpty())
                key = sentence;
            draft.sentences.append(sentence, translation, key);
            if (!keys.insert(draft.sentences.size() - 1)) {
                draft.sentences.removeLast();
                ++draft.folded;
            }
        }
    }
    draft.sentences.squeeze();
    draft.skippedCount = table.skippedCount + skippedHere;
    draft.skipped = table.skipped;
    draft.skipped.insert(draft.skipped.end(), skipped.begin(), skipped.end());
    std::stable_sort(
        draft.skipped.begin(), draft.skipped.end(),
        [](const SkippedRecord& a, const SkippedRecord& b) { return a.line < b.line; });
    if (draft.skipped.size() > size_t(DeckLimits::kSkippedShown))
        draft.skipped.resize(DeckLimits::kSkippedShown);
    return draft;
}

QString importSummary(const DeckTable& table, const DeckDraft& draft, const MergeCounts& counts) {
    const qint64 total = qint64(draft.sentences.size()) + draft.skippedCount;
    QStringList parts{grouped(counts.added) + QStringLiteral(" added")};
    const std::pair<int, const char*> others[] = {{counts.updated, " updated"},
                                                  {counts.unchanged, " unchanged"},
                                                  {counts.removed, " removed"}};
    for (const auto& [count, what] : others) {
        if (count > 0)
            parts << grouped(count) + QLatin1String(what);
    }
    if (draft.skippedCount > 0) {
        QStringList where;
        for (const SkippedRecord& record : draft.skipped)
            where << QStringLiteral("line %1: %2").arg(grouped(record.line), record.reason);
        if (size_t(draft.skippedCount) > draft.skipped.size())
            where << QStringLiteral("...");
        parts
            << QStringLiteral("%1 skipped (%2)").arg(grouped(draft.skippedCount), where.join(", "));
    }
    QString summary =
        QStringLiteral("%1 %2: %3")
            .arg(grouped(total),
                 total == 1 ? QStringLiteral("sentence") : QStringLiteral("sentences"),
                 parts.join(QStringLiteral(", ")));
    const int repeats = draft.folded - table.folded;
    if (table.folded > 0)
        summary +=
            QStringLiteral("; %1 further %2 folded")
                .arg(grouped(table.folded), table.folded == 1 ? QStringLiteral("translation")
                                                              : QStringLiteral("translations"));
    if (repeats > 0)
        summary += QStringLiteral("; %1 repeated %2 folded")
                       .arg(grouped(repeats), repeats == 1 ? QStringLiteral("sentence")
                                                           : QStringLiteral("sentences"));
    if (table.encoding == QLatin1String("Windows-1252"))
        summary += QStringLiteral("; read as Windows-1252");
    return summary;
}
