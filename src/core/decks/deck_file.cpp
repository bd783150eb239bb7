#include "core/decks/deck_file.h"

#include <QSet>
#include <QStringDecoder>
#include <QStringList>
#include <QStringView>
#include <algorithm>

namespace {

const QString kHeader = QStringLiteral("sentence\ttranslation\tkey");

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

QByteArray sentencesText(const std::vector<DeckSentence>& sentences) {
    // Straight into UTF-8, a line at a time: a big deck is never held twice more as text.
    QByteArray text = kHeader.toUtf8() + '\n';
    text.reserve(text.size() + qsizetype(sentences.size()) * 64);
    for (const DeckSentence& s : sentences) {
        text += oneLine(s.sentence).toUtf8() + '\t' + oneLine(s.translation).toUtf8() + '\t' +
                oneLine(s.key).toUtf8() + '\n';
    }
    return text;
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
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return QStringLiteral("not UTF-8");
    // Views into the text until a line is taken: a big deck is read with one allocation per
    // field, and a key that is the sentence itself shares the sentence's text.
    QStringView rest(text);
    if (rest.startsWith(QChar(0xFEFF)))
        rest = rest.mid(1);
    const auto nextLine = [&rest] {
        qsizetype end = rest.indexOf(QLatin1Char('\n'));
        QStringView line = rest.left(end < 0 ? rest.size() : end);
        rest = end < 0 ? QStringView() : rest.mid(end + 1);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        return line;
    };
    if (nextLine() != kHeader)
        return QStringLiteral("no header line");
    std::vector<DeckSentence> read;
    read.reserve(size_t(std::count(text.cbegin(), text.cend(), QLatin1Char('\n'))));
    QSet<QStringView> keys;
    keys.reserve(qsizetype(read.capacity()));
    for (int number = 2; !rest.isEmpty(); ++number) {
        const QStringView line = nextLine();
        if (line.isEmpty())
            continue; // a blank line an editor left
        const qsizetype firstTab = line.indexOf(QLatin1Char('\t'));
        const qsizetype secondTab =
            firstTab < 0 ? -1 : line.indexOf(QLatin1Char('\t'), firstTab + 1);
        const int fields = firstTab < 0    ? 1
                           : secondTab < 0 ? 2
                                           : int(line.count(QLatin1Char('\t'))) + 1;
        if (fields != 3)
            return QStringLiteral("line %1 has %2 fields, not 3").arg(number).arg(fields);
        const QStringView sentence = line.left(firstTab);
        const QStringView translation = line.mid(firstTab + 1, secondTab - firstTab - 1);
        const QStringView key = line.mid(secondTab + 1);
        if (key.isEmpty())
            return QStringLiteral("line %1 has no key").arg(number);
        if (keys.contains(key))
            return QStringLiteral("line %1 repeats a key").arg(number);
        keys.insert(key);
        DeckSentence taken{QString(), sentence.toString(), translation.toString()};
        taken.key = key == sentence ? taken.sentence : key.toString();
        read.push_back(std::move(taken));
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
