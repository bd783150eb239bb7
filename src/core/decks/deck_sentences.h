// A deck's sentences as its sentences file holds them: one UTF-8 line per sentence,
// "sentence<tab>translation<tab>key", after the header line. Read back a sentence at a time; the
// bytes are what is written, and a file read in this form is kept as read.
#pragma once

#include "core/decks/deck.h"
#include "core/decks/tab_lines.h"

#include <initializer_list>

class DeckSentences {
public:
    static constexpr int kSentenceColumn = 0;
    static constexpr int kTranslationColumn = 1;
    static constexpr int kKeyColumn = 2;
    static const QByteArray& header(); // the file's first line, with its '\n'

    DeckSentences();
    DeckSentences(std::initializer_list<DeckSentence> sentences);

    size_t size() const { return m_lines.size(); }
    bool empty() const { return m_lines.empty(); }
    DeckSentence at(size_t i) const;
    DeckSentence operator[](size_t i) const { return at(i); }
    DeckSentence front() const { return at(0); }
    QString key(size_t i) const;
    int indexOf(const QString& key) const; // -1 when none; a walk through, for a few look-ups

    // A tab or line break in a text becomes a blank, as the file would read back.
    void push_back(const DeckSentence& sentence);
    // UTF-8 texts already free of tabs and line breaks.
    void append(QByteArrayView sentence, QByteArrayView translation, QByteArrayView key);
    void replace(size_t i, const DeckSentence& sentence);
    void removeLast() { m_lines.removeLast(); }
    void reserve(qsizetype bytes) { m_lines.reserve(bytes); }
    void squeeze() { m_lines.squeeze(); }

    const TabLines& lines() const { return m_lines; }
    const QByteArray& bytes() const { return m_lines.bytes(); } // the whole file, header first

    // Reads a sentences file; what is wrong with it, one short phrase, or nothing when read.
    QString parse(const QByteArray& bytes);

    bool operator==(const DeckSentences& other) const { return m_lines == other.m_lines; }

private:
    static QStringList fieldsOf(const DeckSentence& sentence);

    TabLines m_lines;
};
