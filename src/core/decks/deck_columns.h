// Which columns of a table hold the sentence to learn and its translation, and whether a
// spreadsheet's first row names its columns rather than being one of them.
#pragma once

#include "core/decks/deck_reader.h"

#include <QList>
#include <QStringList>
#include <vector>

// Whether the first row names the columns: words such as French / Anglais / Recto / Translation,
// or short distinct cells, none a number nor ending as a sentence, much shorter than the cells
// of the rows after it.
bool startsWithHeaderRow(const std::vector<QStringList>& rows);

// Sets table.sentenceColumn and table.translationColumn from the column names where they say,
// else from the text: the most French column is the sentence, the next text column after it
// its translation. The notText columns (a key, a deck, tags) are never offered.
void guessSentenceColumns(DeckTable& table, const QList<int>& notText);
