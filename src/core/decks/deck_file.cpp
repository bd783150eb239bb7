#include "core/decks/deck_file.h"

#include <QSet>
#include <QStringDecoder>
#include <QStringList>
#include <QStringView>
#include <algorithm>

namespace {

// A field holds no tab or line break, or the file would read back otherwise.
QString oneLine(QString text) {
    const auto breaksLine = [](QChar c) {
        return c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
    };
    if (std::none_of(text.cbegin(), text.cend(), breaksLine))
        return text; // shared, not copied
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

QByteArray sentencesText(const DeckSentences& sentences) {
    return sentences.bytes();
}

QByteArray infoText(const DeckInfo& info, const DeckProgress& progress,
                    const DeckSentences& sentences) {
    QString text;
    const auto line = [&text](const char* key, const QString& value) {
        text += QLatin1String(key) + QLatin1Char('=') + oneLine(value) + QLatin1Char('\n');
    };
    line("name", info.name);
    line("language", info.language);
    line("source", info.source);
    line("updated", info.updated.toUTC().toString(Qt::ISODate));
    line("next", progress.nextKey);
    for (const auto& [word, marks] :
         {std::pair{"known", &progress.known}, std::pair{"seen", &progress.seen}}) {
        for (size_t i = 0; i < sentences.size() && !marks->isEmpty(); ++i) {
            const QString key = sentences.key(i);
            if (marks->contains(key))
                line(word, key);
        }
    }
    return text.toUtf8();
}

QString parseSentences(const QByteArray& bytes, DeckSentences& sentences) {
    DeckSentences read;
    const QString damage = read.parse(bytes);
    if (damage.isEmpty())
        sentences = std::move(read);
    return damage;
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
