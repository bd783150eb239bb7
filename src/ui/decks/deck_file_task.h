// The import's work away from the UI thread, and what the dialog says about what it read.
#pragma once

#include "core/decks/deck_reader.h"

#include <QPromise>
#include <QString>

// Reads the file's bytes, then the deck text in them; the first tenth of the progress is the
// reading from disk. A cancel of the promise's future stops both, leaving no result.
void readDeckFile(QPromise<DeckReadResult>& promise, const QString& path);

// "comma-separated text", "Anki notes", ...
QString deckFormatName(const DeckTable& table);

// The table's first rows only, so that a preview follows the same rules as the import.
DeckTable firstRows(const DeckTable& table, int count);
