#include "core/decks/deck_merge.h"

#include <QHash>
#include <QSet>

namespace {

QSet<QString> keptOnly(const QSet<QString>& marks, const QSet<QString>& keys) {
    QSet<QString> kept;
    for (const QString& key : marks) {
        if (keys.contains(key))
            kept.insert(key);
    }
    return kept;
}

} // namespace

MergeCounts mergeSentences(LoadedDeck& deck, const std::vector<DeckSentence>& incoming) {
    QHash<QString, int> oldIndex;
    for (int i = 0; i < int(deck.sentences.size()); ++i)
        oldIndex.insert(deck.sentences[i].key, i);

    MergeCounts counts;
    QSet<QString> newKeys;
    for (const DeckSentence& s : incoming) {
        newKeys.insert(s.key);
        const auto old = oldIndex.constFind(s.key);
        if (old == oldIndex.constEnd())
            ++counts.added;
        else if (deck.sentences[*old] == s)
            ++counts.unchanged;
        else
            ++counts.updated;
    }
    counts.removed = int(deck.sentences.size()) - counts.updated - counts.unchanged;

    QString& next = deck.progress.nextKey;
    if (!next.isEmpty() && !newKeys.contains(next)) {
        const int from = oldIndex.value(next, int(deck.sentences.size()));
        next.clear();
        for (int i = from + 1; i < int(deck.sentences.size()); ++i) {
            if (newKeys.contains(deck.sentences[i].key)) {
                next = deck.sentences[i].key;
                break;
            }
        }
    }
    deck.progress.known = keptOnly(deck.progress.known, newKeys);
    deck.progress.seen = keptOnly(deck.progress.seen, newKeys);
    deck.sentences = incoming;
    return counts;
}
