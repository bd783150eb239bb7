// Lines of tab-separated UTF-8 fields kept in one byte array, with where each line starts: a
// big deck or table costs little more than its text, and the bytes are the file's own form.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <vector>

class TabLines {
public:
    TabLines() = default;
    // preamble: bytes before the first line (a header line with its '\n'), kept as they are.
    explicit TabLines(QByteArray preamble);

    size_t size() const { return m_starts.size(); }
    bool empty() const { return m_starts.empty(); }
    int widestLine() const { return m_widest; } // the most fields any line has had

    QByteArrayView line(size_t i) const; // without its '\n'
    // An empty view when the line has no such column.
    QByteArrayView field(size_t i, int column) const;
    QStringList fields(size_t i) const;
    QStringList operator[](size_t i) const { return fields(i); }
    // The first count lines (or all there are) as lists, for the guesses that look at a few.
    std::vector<QStringList> firstLines(size_t count) const;

    // A tab or line break inside a field becomes a blank, or the line would read back otherwise.
    void append(const QStringList& fields);
    // Fields already free of tabs and line breaks, in UTF-8.
    void append(std::initializer_list<QByteArrayView> fields);
    void replace(size_t i, const QStringList& fields);
    void removeFirst();
    void removeLast();

    // Capacity for so many bytes of lines: untouched, it costs no memory; squeeze() gives back
    // what was not used.
    void reserve(qsizetype bytes);
    void squeeze();

    // The preamble and every line, each ending in '\n'.
    const QByteArray& bytes() const { return m_bytes; }
    qsizetype preambleSize() const { return m_preamble; }

    // Takes bytes already in this form (the preamble, then lines each ending in '\n', none
    // empty) without copying them; false, and nothing taken, otherwise.
    bool adopt(const QByteArray& bytes, qsizetype preamble);

    bool operator==(const TabLines& other) const { return m_bytes == other.m_bytes; }

private:
    void startLine();
    void endLine(int fieldCount);

    QByteArray m_bytes;
    std::vector<quint32> m_starts; // files are at most a few hundred MB
    qsizetype m_preamble = 0;
    int m_widest = 0;
};
