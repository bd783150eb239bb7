// The random sentences already shown, newest last, so that "previous" can walk back through
// them. Stepping back and then drawing a new sentence forgets the ones stepped over, as a
// browser's history does.
#pragma once

#include <QString>
#include <deque>
#include <optional>

class PlayHistory {
public:
    struct Entry {
        int id = 0;
        QString french;
        QString english;
    };

    static constexpr size_t kCapacity = 100;

    // A sentence just shown; it becomes the current one.
    void record(Entry entry);
    // The sentence shown before the current one, which becomes current; nothing at the oldest.
    std::optional<Entry> stepBack();

private:
    std::deque<Entry> m_entries;
    size_t m_current = 0; // index into m_entries, meaningful when it is not empty
};
