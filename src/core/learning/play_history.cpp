#include "core/learning/play_history.h"

void PlayHistory::record(Entry entry) {
    if (!m_entries.empty())
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(m_current) + 1,
                        m_entries.end());
    m_entries.push_back(std::move(entry));
    if (m_entries.size() > kCapacity)
        m_entries.pop_front();
    m_current = m_entries.size() - 1;
}

std::optional<PlayHistory::Entry> PlayHistory::stepBack() {
    if (m_entries.empty() || m_current == 0)
        return std::nullopt;
    --m_current;
    return m_entries[m_current];
}

std::optional<PlayHistory::Entry> PlayHistory::stepForward() {
    if (m_entries.empty() || m_current + 1 >= m_entries.size())
        return std::nullopt;
    ++m_current;
    return m_entries[m_current];
}
