// The random sentences already shown, newest last, so that "previous" can walk back through
// them and "next" forward again to the newest before a new one is drawn.
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
    // The sentence shown after the current one, which becomes current; nothing at the newest.
    std::optional<Entry> stepForward();

private:
    std::deque<Entry> m_entries;
    size_t m_current = 0; // index into m_entries, meaningful when it is not empty
};
