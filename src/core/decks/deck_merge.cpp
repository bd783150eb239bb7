#include "core/decks/deck_merge.h"

#include "core/decks/line_key_index.h"

MergeCounts mergeSentences(LoadedDeck& deck, const DeckSentences& incoming) {
    constexpr int kKey = DeckSentences::kKeyColumn;
    const TabLines& old = deck.sentences.lines();
    const TabLines& fresh = incoming.lines();
    LineKeyIndex oldIndex(old, kKey);
    oldIndex.insertAll();
    LineKeyIndex newKeys(fresh, kKey);
    newKeys.insertAll();

    MergeCounts counts;
    for (size_t i = 0; i < fresh.size(); ++i) {
        const qsizetype at = oldIndex.find(fresh.field(i, kKey));
        if (at < 0)
            ++counts.added;
        else if (old.line(size_t(at)) == fresh.line(i)) // the same key, sentence and translation
            ++counts.unchanged;
        else
            ++counts.updated;
    }
    counts.removed = int(old.size()) - counts.updated - counts.unchanged;

    QString& next = deck.progress.nextKey;
    if (!next.isEmpty() && !newKeys.contains(next)) {
        const qsizetype found = oldIndex.find(next);
        const size_t from = found < 0 ? old.size() : size_t(found);
        next.clear();
        for (size_t i = from + 1; i < old.size(); ++i) {
            if (newKeys.find(old.field(i, kKey)) >= 0) {
                next = deck.sentences.key(i);
                break;
            }
        }
    }
    for (QSet<QString>* marks : {&deck.progress.known, &deck.progress.seen})
        marks->removeIf([&newKeys](const QString& key) { return !newKeys.contains(key); });
    deck.sentences = incoming;
    return counts;
}
