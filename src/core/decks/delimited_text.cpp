#include "core/decks/delimited_text.h"

#include <QHash>

DelimitedText::DelimitedText(QByteArrayView text, QChar separator, bool quoting, qsizetype start,
                             int firstLine)
    : m_text(text), m_separator(QString(separator).toUtf8()), m_quoting(quoting), m_position(start),
      m_line(firstLine) {}

bool DelimitedText::isBlank(const QStringList& fields) {
    return fields.size() == 1 && fields.front().trimmed().isEmpty();
}

bool DelimitedText::isSeparatorAt(qsizetype at) const {
    return m_text[at] == m_separator[0] &&
           (m_separator.size() == 1 || m_text.sliced(at).startsWith(m_separator));
}

qsizetype DelimitedText::unquotedEnd(qsizetype from) const {
    const char* d = m_text.data();
    const qsizetype n = m_text.size();
    const char first = m_separator[0];
    while (from < n && d[from] != '\n' && d[from] != '\r' &&
           (d[from] != first || !isSeparatorAt(from)))
        ++from;
    return from;
}

qsizetype DelimitedText::lineEndLength(qsizetype at) const {
    return m_text[at] == '\r' && at + 1 < m_text.size() && m_text[at + 1] == '\n' ? 2 : 1;
}

// A field opening with a quote, up to its closing quote; what follows that quote before the
// separator is kept, as spreadsheets do. False, with nothing read, when the quote never closes.
bool DelimitedText::readQuoted(QStringList& fields) {
    const char* d = m_text.data();
    const qsizetype n = m_text.size();
    const int line = m_line;
    QByteArray field;
    qsizetype chunk = m_position + 1;
    for (qsizetype i = chunk; i < n; ++i) {
        if (d[i] == '\n' || d[i] == '\r') {
            ++m_line;
            i += lineEndLength(i) - 1;
            continue;
        }
        if (d[i] != '"')
            continue;
        field.append(d + chunk, i - chunk);
        if (i + 1 < n && d[i + 1] == '"') {
            field += '"';
            chunk = ++i + 1;
            continue;
        }
        const qsizetype end = unquotedEnd(i + 1);
        field.append(d + i + 1, end - i - 1);
        fields.append(QString::fromUtf8(field));
        m_position = end;
        return true;
    }
    m_line = line;
    return false;
}

bool DelimitedText::next(QStringList& fields) {
    fields.clear();
    const qsizetype n = m_text.size();
    if (m_position >= n)
        return false;
    m_recordLine = m_line;
    for (;;) {
        bool read = false;
        if (m_quoting && m_position < n && m_text[m_position] == '"') {
            read = readQuoted(fields);
            // A quote that never closes would swallow the rest of the file: from here on
            // quotes are plain text.
            m_quoting = read;
        }
        if (!read) {
            const qsizetype end = unquotedEnd(m_position);
            fields.append(QString::fromUtf8(m_text.sliced(m_position, end - m_position)));
            m_position = end;
        }
        if (m_position < n && isSeparatorAt(m_position)) {
            m_position += m_separator.size();
            continue;
        }
        if (m_position < n) {
            m_position += lineEndLength(m_position);
            ++m_line;
        }
        return true;
    }
}

QChar sniffSeparator(QByteArrayView text, qsizetype start) {
    constexpr int kSample = 50;
    QChar best;
    double bestConsistency = 0;
    for (const QChar candidate : {QChar('\t'), QChar(';'), QChar(','), QChar('|')}) {
        DelimitedText records(text, candidate, true, start);
        QHash<int, int> byFieldCount;
        QStringList fields;
        int count = 0;
        while (count < kSample && records.next(fields)) {
            if (DelimitedText::isBlank(fields))
                continue;
            ++byFieldCount[fields.size()];
            ++count;
        }
        int mode = 0;
        int modeRecords = 0;
        for (auto it = byFieldCount.cbegin(); it != byFieldCount.cend(); ++it) {
            if (it.value() > modeRecords || (it.value() == modeRecords && it.key() > mode)) {
                mode = it.key();
                modeRecords = it.value();
            }
        }
        const double consistency = count > 0 ? double(modeRecords) / count : 0;
        if (mode >= 2 && consistency > bestConsistency) {
            best = candidate;
            bestConsistency = consistency;
        }
    }
    return best;
}
