#include "core/decks/line_key_index.h"

#include <QHashFunctions>

LineKeyIndex::LineKeyIndex(const TabLines& lines, int column)
    : m_lines(lines), m_column(column), m_slots(16, -1), m_tags(16, 0) {}

// The slot holding the key, or the empty one where it would go.
size_t LineKeyIndex::slotOf(QByteArrayView key, size_t hash) const {
    const size_t mask = m_slots.size() - 1;
    const auto tag = quint8(hash >> 24);
    for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const qint32 line = m_slots[slot];
        if (line < 0 || (m_tags[slot] == tag && m_lines.field(size_t(line), m_column) == key))
            return slot;
    }
}

void LineKeyIndex::rehash(size_t slotCount) {
    std::vector<qint32> old(slotCount, -1);
    old.swap(m_slots);
    m_tags.assign(slotCount, 0);
    for (const qint32 line : old) {
        if (line < 0)
            continue;
        const QByteArrayView key = m_lines.field(size_t(line), m_column);
        const size_t hash = qHash(key);
        const size_t slot = slotOf(key, hash);
        m_slots[slot] = line;
        m_tags[slot] = quint8(hash >> 24);
    }
}

void LineKeyIndex::reserve(size_t lines) {
    size_t slotCount = m_slots.size();
    while (slotCount < (lines + 1) * 2)
        slotCount *= 2;
    if (slotCount != m_slots.size())
        rehash(slotCount);
}

bool LineKeyIndex::insert(size_t line) {
    if ((m_count + 1) * 2 > m_slots.size())
        rehash(m_slots.size() * 2);
    const QByteArrayView key = m_lines.field(line, m_column);
    const size_t hash = qHash(key);
    const size_t slot = slotOf(key, hash);
    if (m_slots[slot] >= 0)
        return false;
    m_slots[slot] = qint32(line);
    m_tags[slot] = quint8(hash >> 24);
    ++m_count;
    return true;
}

void LineKeyIndex::insertAll() {
    reserve(m_count + m_lines.size());
    for (size_t line = 0; line < m_lines.size(); ++line)
        insert(line);
}

qsizetype LineKeyIndex::find(QByteArrayView key) const {
    return m_slots[slotOf(key, qHash(key))];
}
