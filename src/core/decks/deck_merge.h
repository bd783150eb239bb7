// What importing a deck again does to the one already there: the new file's sentences in the
// new file's order, the learner's marks kept for every sentence still there by key.
#pragma once

#include "core/decks/deck.h"
#include "core/decks/deck_library.h"

// Keys not in incoming are removed with their marks; the walk stays on its sentence when it is
// still there, else moves on to the first later one (by the old order) that is.
MergeCounts mergeSentences(LoadedDeck& deck, const DeckSentences& incoming);
