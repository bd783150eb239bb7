// The names of a deck's files: made from the deck's name, safe on every system the program runs
// on, and never shared by two decks, even where the file system ignores case.
#pragma once

#include <QString>
#include <QStringList>

namespace DeckNames {

inline constexpr int kMaxBaseLength = 60;

// The deck's name with what a file name cannot hold replaced, never empty.
QString safeFileBase(const QString& deckName);
// safeFileBase(), with " (2)", " (3)"... added when a base in taken matches it, ignoring case.
QString freeFileBase(const QString& deckName, const QStringList& taken);

} // namespace DeckNames
