#include "core/decks/deck_sentences.h"

#include "core/decks/line_key_index.h"

#include <algorithm>

const QByteArray& DeckSentences::header() {
    static const QByteArray kHeader("sentence\ttranslation\tkey\n");
    return kHeader;
}

DeckSentences::DeckSentences() : m_lines(header()) {}

DeckSentences::DeckSentences(std::initializer_list<DeckSentence> sentences) : DeckSentences() {
    for (const DeckSentence& sentence : sentences)
        push_back(sentence);
}

DeckSentence DeckSentences::at(size_t i) const {
    return {QString::fromUtf8(m_lines.field(i, kKeyColumn)),
            QString::fromUtf8(m_lines.field(i, kSentenceColumn)),
            QString::fromUtf8(m_lines.field(i, kTranslationColumn))};
}

QString DeckSentences::key(size_t i) const {
    return QString::fromUtf8(m_lines.field(i, kKeyColumn));
}

int DeckSentences::indexOf(const QString& key) const {
    const QByteArray wanted = key.toUtf8();
    for (size_t i = 0; i < size(); ++i) {
        if (m_lines.field(i, kKeyColumn) == wanted)
            return int(i);
    }
    return -1;
}

QStringList DeckSentences::fieldsOf(const DeckSentence& sentence) {
    return {sentence.sentence, sentence.translation, sentence.key};
}

void DeckSentences::push_back(const DeckSentence& sentence) {
    m_lines.append(fieldsOf(sentence));
}

void DeckSentences::append(QByteArrayView sentence, QByteArrayView translation,
                           QByteArrayView key) {
    m_lines.append({sentence, translation, key});
}

void DeckSentences::replace(size_t i, const DeckSentence& sentence) {
    m_lines.replace(i, fieldsOf(sentence));
}

QString DeckSentences::parse(const QByteArray& bytes) {
    if (!QByteArrayView(bytes).isValidUtf8())
        return QStringLiteral("not UTF-8");
    TabLines lines(header());
    std::vector<int> numbers; // of the lines kept, where blank lines or CRs were left out
    const bool asWritten = bytes.startsWith(header()) && bytes.endsWith('\n') &&
                           !bytes.contains('\r') && !bytes.contains("\n\n");
    if (!asWritten || !lines.adopt(bytes, header().size())) {
        // A spreadsheet's or an editor's: byte-order mark, CR before LF, blank lines.
        QByteArrayView rest(bytes);
        if (rest.startsWith("\xEF\xBB\xBF"))
            rest = rest.sliced(3);
        const auto nextLine = [&rest] {
            const qsizetype end = rest.indexOf('\n');
            QByteArrayView line = rest.first(end < 0 ? rest.size() : end);
            rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
            if (line.endsWith('\r'))
                line.chop(1);
            return line;
        };
        if (nextLine() != header().chopped(1))
            return QStringLiteral("no header line");
        for (int number = 2; !rest.isEmpty(); ++number) {
            const QByteArrayView line = nextLine();
            if (line.isEmpty())
                continue;
            lines.append({line});
            numbers.push_back(number);
        }
    }
    LineKeyIndex keys(lines, kKeyColumn);
    for (size_t i = 0; i < lines.size(); ++i) {
        const int number = numbers.empty() ? int(i) + 2 : numbers[i];
        const QByteArrayView line = lines.line(i);
        const int fields = int(std::count(line.begin(), line.end(), '\t')) + 1;
        if (fields != 3)
            return QStringLiteral("line %1 has %2 fields, not 3").arg(number).arg(fields);
        if (lines.field(i, kKeyColumn).isEmpty())
            return QStringLiteral("line %1 has no key").arg(number);
        if (!keys.insert(i))
            return QStringLiteral("line %1 repeats a key").arg(number);
    }
    m_lines = std::move(lines);
    return {};
}
