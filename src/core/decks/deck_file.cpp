#include "core/decks/deck_file.h"

#include <QSet>
#include <QStringDecoder>
#include <QStringList>

namespace {

const QString kHeader = QStringLiteral("sentence\ttranslation\tkey");

// A field holds no tab or line break, or the file would read back otherwise.
QString oneLine(QString text) {
    for (QChar& c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return text;
}

// The lines of a UTF-8 text, a byte-order mark and CR before LF (a spreadsheet's) left out;
// false when the bytes are not UTF-8.
bool decodeLines(const QByteArray& bytes, QStringList& lines) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return false;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return true;
}

} // namespace

namespace DeckFile {

QByteArray sentencesText(const std::vector<DeckSentence>& sentences) {
    QString text = kHeader + QLatin1Char('\n');
    for (const DeckSentence& s : sentences) {
        text += oneLine(s.sentence) + QLatin1Char('\t') + oneLine(s.translation) +
                QLatin1Char('\t') + oneLine(s.key) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

QByteArray infoText(const DeckInfo& info, const DeckProgress& progress,
                    const std::vector<DeckSentence>& sentences) {
    QString text;
    const auto line = [&text](const char* key, const QString& value) {
        text += QLatin1String(key) + QLatin1Char('=') + oneLine(value) + QLatin1Char('\n');
    };
    line("name", info.name);
    line("language", info.language);
    line("source", info.source);
    line("updated", info.updated.toUTC().toString(Qt::ISODate));
    line("next", progress.nextKey);
    for (const DeckSentence& s : sentences) {
        if (progress.known.contains(s.key))
            line("known", s.key);
    }
    for (const DeckSentence& s : sentences) {
        if (progress.seen.contains(s.key))
            line("seen", s.key);
    }
    return text.toUtf8();
}

QString parseSentences(const QByteArray& bytes, std::vector<DeckSentence>& sentences) {
    QStringList lines;
    if (!decodeLines(bytes, lines))
        return QStringLiteral("not UTF-8");
    if (lines.isEmpty() || lines.first() != kHeader)
        return QStringLiteral("no header line");
    std::vector<DeckSentence> read;
    QSet<QString> keys;
    for (int i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue; // the end of the file, or a blank line an editor left
        const QStringList fields = lines[i].split(QLatin1Char('\t'));
        const QString where = QStringLiteral("line %1").arg(i + 1);
        if (fields.size() != 3)
            return where + QStringLiteral(" has %1 fields, not 3").arg(fields.size());
        if (fields[2].isEmpty())
            return where + QStringLiteral(" has no key");
        if (keys.contains(fields[2]))
            return where + QStringLiteral(" repeats a key");
        keys.insert(fields[2]);
        read.push_back({fields[2], fields[0], fields[1]});
    }
    sentences = std::move(read);
    return {};
}

QString parseInfo(const QByteArray& bytes, DeckInfo& info, DeckProgress& progress) {
    QStringList lines;
    if (!decodeLines(bytes, lines))
        return QStringLiteral("not UTF-8");
    DeckInfo readInfo;
    DeckProgress readProgress;
    bool named = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.isEmpty())
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return QStringLiteral("line %1 is not key=value").arg(i + 1);
        const QString key = line.left(equals);
        const QString value = line.mid(equals + 1);
        if (key == QLatin1String("name")) {
            readInfo.name = value.trimmed();
            named = !readInfo.name.isEmpty();
        } else if (key == QLatin1String("language")) {
            readInfo.language = value;
        } else if (key == QLatin1String("source")) {
            readInfo.source = value;
        } else if (key == QLatin1String("updated")) {
            readInfo.updated = QDateTime::fromString(value, Qt::ISODate).toUTC();
        } else if (key == QLatin1String("next")) {
            readProgress.nextKey = value;
        } else if (key == QLatin1String("known")) {
            readProgress.known.insert(value);
        } else if (key == QLatin1String("seen")) {
            readProgress.seen.insert(value);
        }
        // Other keys are a later version's: read past them.
    }
    if (!named)
        return QStringLiteral("no name=");
    info = readInfo;
    progress = readProgress;
    return {};
}

} // namespace DeckFile
