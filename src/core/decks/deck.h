// A learner's own deck: sentences to learn with their translations, in the order they came,
// each under a key that stays the same when the deck is imported again.
#pragma once

#include <QDateTime>
#include <QSet>
#include <QString>
#include <vector>

struct DeckSentence {
    // The guid column's value where the file had one, else the cleaned sentence itself.
    QString key;
    QString sentence;    // the text to learn, read aloud
    QString translation; // shown with it
    bool operator==(const DeckSentence& other) const {
        return key == other.key && sentence == other.sentence && translation == other.translation;
    }
};

struct DeckInfo {
    QString name;
    QString language = QStringLiteral("fr"); // of the sentences: a BCP 47 name
    QString source;                          // the file it was last imported from; empty: typed
    QDateTime updated;                       // UTC
};

// What the learner did with a deck, kept beside it.
struct DeckProgress {
    QString nextKey; // the sentence the walk through the deck plays next; empty: the first
    QSet<QString> known;
    QSet<QString> seen;
};

// What an import or an update did to a deck.
struct MergeCounts {
    int added = 0;
    int updated = 0; // same key, other text
    int unchanged = 0;
    int removed = 0; // in the deck, not in the new file
};
