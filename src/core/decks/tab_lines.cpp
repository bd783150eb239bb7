#include "core/decks/tab_lines.h"

#include <algorithm>
#include <cstring>

namespace {

QByteArray oneLineUtf8(const QString& text) {
    QByteArray bytes = text.toUtf8();
    for (char& c : bytes) {
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    }
    return bytes;
}

} // namespace

TabLines::TabLines(QByteArray preamble)
    : m_bytes(std::move(preamble)), m_preamble(m_bytes.size()) {}

QByteArrayView TabLines::line(size_t i) const {
    const qsizetype start = m_starts[i];
    const qsizetype end = i + 1 < m_starts.size() ? qsizetype(m_starts[i + 1]) : m_bytes.size();
    return QByteArrayView(m_bytes.constData() + start, end - start - 1);
}

QByteArrayView TabLines::field(size_t i, int column) const {
    if (column < 0)
        return {};
    QByteArrayView rest = line(i);
    for (int c = 0; c < column; ++c) {
        const qsizetype tab = rest.indexOf('\t');
        if (tab < 0)
            return {};
        rest = rest.sliced(tab + 1);
    }
    const qsizetype tab = rest.indexOf('\t');
    return tab < 0 ? rest : rest.first(tab);
}

QStringList TabLines::fields(size_t i) const {
    QStringList out;
    QByteArrayView rest = line(i);
    for (;;) {
        const qsizetype tab = rest.indexOf('\t');
        out.append(QString::fromUtf8(tab < 0 ? rest : rest.first(tab)));
        if (tab < 0)
            return out;
        rest = rest.sliced(tab + 1);
    }
}

std::vector<QStringList> TabLines::firstLines(size_t count) const {
    std::vector<QStringList> first;
    for (size_t i = 0; i < std::min(count, size()); ++i)
        first.push_back(fields(i));
    return first;
}

void TabLines::startLine() {
    m_starts.push_back(quint32(m_bytes.size()));
}

void TabLines::endLine(int fieldCount) {
    m_bytes += '\n';
    m_widest = std::max(m_widest, fieldCount);
}

void TabLines::append(const QStringList& fields) {
    startLine();
    for (qsizetype f = 0; f < fields.size(); ++f) {
        if (f > 0)
            m_bytes += '\t';
        m_bytes += oneLineUtf8(fields[f]);
    }
    endLine(int(fields.size()));
}

void TabLines::append(std::initializer_list<QByteArrayView> fields) {
    startLine();
    bool first = true;
    for (const QByteArrayView field : fields) {
        if (!first)
            m_bytes += '\t';
        m_bytes += field;
        first = false;
    }
    const qsizetype start = m_starts.back();
    endLine(int(std::count(m_bytes.cbegin() + start, m_bytes.cend(), '\t')) + 1);
}

void TabLines::replace(size_t i, const QStringList& fields) {
    TabLines one;
    one.append(fields);
    const QByteArrayView old = line(i);
    const qsizetype start = m_starts[i];
    const qsizetype grown = one.m_bytes.size() - (old.size() + 1);
    m_bytes.replace(start, old.size() + 1, one.m_bytes);
    for (size_t k = i + 1; k < m_starts.size(); ++k)
        m_starts[k] = quint32(qsizetype(m_starts[k]) + grown);
    m_widest = std::max(m_widest, one.m_widest);
}

void TabLines::removeFirst() {
    const qsizetype length = line(0).size() + 1;
    m_bytes.remove(m_preamble, length);
    m_starts.erase(m_starts.begin());
    for (quint32& start : m_starts)
        start -= quint32(length);
}

void TabLines::removeLast() {
    m_bytes.truncate(m_starts.back());
    m_starts.pop_back();
}

void TabLines::reserve(qsizetype bytes) {
    m_bytes.reserve(m_bytes.size() + bytes);
}

void TabLines::squeeze() {
    m_bytes.squeeze();
    m_starts.shrink_to_fit();
}

bool TabLines::adopt(const QByteArray& bytes, qsizetype preamble) {
    std::vector<quint32> starts;
    starts.reserve(size_t(std::count(bytes.cbegin() + preamble, bytes.cend(), '\n')));
    int widest = 0;
    const char* d = bytes.constData();
    const qsizetype n = bytes.size();
    for (qsizetype at = preamble; at < n;) {
        const char* end = static_cast<const char*>(memchr(d + at, '\n', size_t(n - at)));
        if (!end || end == d + at)
            return false;
        const qsizetype length = end - (d + at);
        widest = std::max(widest, int(std::count(d + at, end, '\t')) + 1);
        starts.push_back(quint32(at));
        at += length + 1;
    }
    m_bytes = bytes;
    m_starts = std::move(starts);
    m_preamble = preamble;
    m_widest = widest;
    return true;
}
