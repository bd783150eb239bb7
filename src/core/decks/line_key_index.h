// Which line of a TabLines holds a key, the key being one column's bytes: an exact set of keys
// that costs a few bytes a line, where a set of strings would cost a copy of every key.
#pragma once

#include "core/decks/tab_lines.h"

#include <QString>
#include <vector>

class LineKeyIndex {
public:
    // Indexes no line yet. The lines must outlive the index and keep the indexed lines as
    // they are.
    LineKeyIndex(const TabLines& lines, int column);

    void reserve(size_t lines); // room for so many, so that filling it needs no rehash
    // False, and not indexed, when an indexed line has the same key.
    bool insert(size_t line);
    void insertAll(); // each key's first line wins
    // The indexed line with the key; -1 when none.
    qsizetype find(QByteArrayView key) const;
    qsizetype find(const QString& key) const { return find(QByteArrayView(key.toUtf8())); }
    bool contains(const QString& key) const { return find(key) >= 0; }

private:
    size_t slotOf(QByteArrayView key, size_t hash) const;
    void rehash(size_t slotCount);

    const TabLines& m_lines;
    int m_column;
    std::vector<qint32> m_slots; // a line, or -1; open addressing, a power of two long
    std::vector<quint8> m_tags;  // a few bits of each slot's hash: most other keys need no look
    size_t m_count = 0;
};
