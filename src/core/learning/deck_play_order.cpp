#include "core/learning/deck_play_order.h"

#include "core/decks/deck_library.h"
#include "core/lessons/sentence_id.h"
#include "core/playback/random_source.h"
#include "core/settings/settings_record.h"

DeckPlayOrder::DeckPlayOrder(DeckLibrary& library, const SettingsRecord& settings,
                             RandomSource& random, Clock clock, QObject* parent)
    : QObject(parent), m_library(library), m_settings(settings), m_random(random),
      m_clock(std::move(clock)) {}

void DeckPlayOrder::choose(const QString& name) {
    if (playing())
        save();
    m_name = name;
    m_current = -1;
    m_history = PlayHistory{};
    m_toldAllKnown = false;
}

const LoadedDeck* DeckPlayOrder::deck() const {
    if (m_name.isEmpty())
        return nullptr;
    const LoadedDeck* deck = m_library.find(m_name);
    return deck && deck->damage.isEmpty() ? deck : nullptr;
}

QString DeckPlayOrder::name() const {
    const LoadedDeck* playing = deck();
    return playing ? playing->info.name : QString();
}

QString DeckPlayOrder::language() const {
    const LoadedDeck* playing = deck();
    return playing ? playing->info.language : QString();
}

// The first sentence from index on, in steps of +1 or -1 with wrapping, that is not known;
// index itself when every one is.
int DeckPlayOrder::firstUnknownFrom(int index, int step) const {
    const LoadedDeck& playing = *deck();
    const int count = int(playing.sentences.size());
    for (int tried = 0; tried < count; ++tried) {
        const int at = ((index + step * tried) % count + count) % count;
        if (!playing.progress.known.contains(playing.sentences[size_t(at)].key))
            return at;
    }
    return (index % count + count) % count;
}

std::optional<DeckPlayOrder::Sentence> DeckPlayOrder::sentenceAt(int index, bool inSequence) {
    const LoadedDeck& playing = *deck();
    const DeckSentence& sentence = playing.sentences[size_t(index)];
    if (playing.progress.known.contains(sentence.key)) {
        if (!m_toldAllKnown)
            emit notice(tr("Every sentence of \"%1\" is marked as known: playing them all again.")
                            .arg(playing.info.name));
        m_toldAllKnown = true;
    } else {
        m_toldAllKnown = false;
    }
    m_current = index;
    return Sentence{SentenceId::deckSentence(index), sentence.sentence, sentence.translation,
                    inSequence};
}

std::optional<DeckPlayOrder::Sentence> DeckPlayOrder::next() {
    const LoadedDeck* playing = deck();
    if (!playing || playing->sentences.empty())
        return std::nullopt;
    const int count = int(playing->sentences.size());
    if (m_settings.playsInSequence()) {
        const int from = std::max(0, playing->indexOf(playing->progress.nextKey));
        const int index = firstUnknownFrom(from, 1);
        m_library.setNextKey(m_name, playing->sentences[size_t((index + 1) % count)].key);
        m_unsaved = true;
        return sentenceAt(index, true);
    }
    // After a step back, forwards goes through what was shown before anything new is drawn.
    if (const auto later = m_history.stepForward()) {
        const int index = SentenceId::deckIndexOf(later->id);
        if (index < count)
            return sentenceAt(index, false);
    }
    m_random.reseed();
    const int drawn = std::min(count - 1, int(m_random.draw() * float(count)));
    const int index = firstUnknownFrom(drawn, 1);
    m_history.record({SentenceId::deckSentence(index), {}, {}});
    return sentenceAt(index, false);
}

std::optional<DeckPlayOrder::Sentence> DeckPlayOrder::previous() {
    const LoadedDeck* playing = deck();
    if (!playing || playing->sentences.empty() || m_current < 0)
        return std::nullopt;
    const int count = int(playing->sentences.size());
    if (m_settings.playsInSequence()) {
        const int index = firstUnknownFrom(std::min(m_current, count) - 1, -1);
        m_library.setNextKey(m_name, playing->sentences[size_t((index + 1) % count)].key);
        m_unsaved = true;
        return sentenceAt(index, true);
    }
    const auto earlier = m_history.stepBack();
    if (!earlier || SentenceId::deckIndexOf(earlier->id) >= count)
        return std::nullopt;
    return sentenceAt(SentenceId::deckIndexOf(earlier->id), false);
}

QString DeckPlayOrder::keyOf(int id) const {
    const LoadedDeck* playing = deck();
    const int index = SentenceId::deckIndexOf(id);
    if (!playing || !SentenceId::isDeckSentence(id) || index >= int(playing->sentences.size()))
        return {};
    return playing->sentences[size_t(index)].key;
}

void DeckPlayOrder::markKnown(int id) {
    const QString key = keyOf(id);
    if (key.isEmpty())
        return;
    m_library.markKnown(m_name, key);
    m_library.markSeen(m_name, key);
}

void DeckPlayOrder::shown(int id) {
    const QString key = keyOf(id);
    if (key.isEmpty())
        return;
    m_library.markSeen(m_name, key);
    m_unsaved = true;
    maybeSave();
}

void DeckPlayOrder::forget() {
    if (playing())
        m_library.forget(m_name);
    m_toldAllKnown = false;
}

int DeckPlayOrder::knownCount() const {
    const LoadedDeck* playing = deck();
    return playing ? int(playing->progress.known.size()) : 0;
}

void DeckPlayOrder::maybeSave() {
    if (m_unsaved && m_clock() - m_lastSave >= kSaveIntervalMs)
        save();
}

void DeckPlayOrder::save() {
    if (!playing() || !m_unsaved)
        return;
    m_library.saveProgress(m_name);
    m_unsaved = false;
    m_lastSave = m_clock();
}
