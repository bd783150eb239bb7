// Reads a file a learner brings (an Anki notes export, a spreadsheet's CSV or TSV, Tatoeba
// sentence pairs) into cleaned rows of fields, recognising the format and the encoding from the
// content, never from the file's name.
#pragma once

#include "core/decks/deck.h"
#include "core/decks/deck_sentences.h"
#include "core/decks/tab_lines.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

enum class DeckFormat { AnkiNotes, Delimited, TatoebaPairs };

struct SkippedRecord {
    int line = 0;   // 1-based, where the record starts
    QString reason; // one short phrase: "one field", "empty translation", "over 500 characters"
};

struct DeckTable {
    DeckFormat format = DeckFormat::Delimited;
    QChar separator;
    // "UTF-8", "UTF-16" or "Windows-1252" (a file that is not valid UTF-8).
    QString encoding;
    QStringList columnNames; // from #columns: or a header row; empty when the file has none
    // Every field cleaned: NFC, blanks collapsed, no controls (so no tab nor line break). Kept
    // as lines of UTF-8, not as a list of strings per record: a big file costs about its size.
    TabLines rows;
    std::vector<int> rowLines; // the 1-based line each row starts on
    int guidColumn = -1;       // 0-based; -1 when none
    // The guess of which column is the sentence to learn and which its translation.
    int sentenceColumn = 0;
    int translationColumn = 1;
    QString deckName;                   // from #deck:, empty when none
    int folded = 0;                     // Tatoeba: further translations of a sentence already kept
    int skippedCount = 0;               // records of fewer than two fields
    std::vector<SkippedRecord> skipped; // the first five of them
};

struct DeckReadResult {
    std::optional<DeckTable> table;
    QString error; // why the file was refused, one sentence naming it; empty when read
};

namespace DeckLimits {
inline constexpr qint64 kMaxFileBytes = 100LL * 1024 * 1024;
inline constexpr int kMaxRecords = 200000;
inline constexpr int kMaxTextLength = 500;
inline constexpr int kSkippedShown = 5;
} // namespace DeckLimits

// The bytes are let go once read: handed over (std::move), a big file is not held twice.
// progress(percent) is called now and then from the thread reading; returning false stops
// the reading (the result then has no table and no error).
DeckReadResult readDeckText(QByteArray bytes, const QString& fileName,
                            const std::function<bool(int percent)>& progress = {});

// The sentences of the chosen columns, keyed; records with an empty sentence or translation,
// a text over the length limit, or a key already taken are left out and counted.
struct DeckDraft {
    DeckSentences sentences;
    int skippedCount = 0;               // the table's own skipped records included
    std::vector<SkippedRecord> skipped; // the first five, by line
    int folded = 0;                     // the table's, plus sentences met twice
};
DeckDraft draftDeck(const DeckTable& table, int sentenceColumn, int translationColumn);

// The one-line summary an import ends with, e.g. "1,204 sentences: 1,200 added, 4 skipped
// (line 3: empty translation, ...); 12 further translations folded; read as Windows-1252".
QString importSummary(const DeckTable& table, const DeckDraft& draft, const MergeCounts& counts);

// Cleans one field as every reader does: NFC, blanks collapsed and trimmed, control characters
// dropped. html: <br> to a blank, tags dropped, entities decoded, [sound:...] and <img> gone,
// cloze {{c1::word::hint}} shows "word".
QString cleanDeckField(const QString& text, bool html = false);
