// Where the play cycle takes its sentences from, forwards and backwards. The sentence chosen goes
// into the playback state.
#pragma once

#include <optional>

class SentenceOrder {
public:
    virtual ~SentenceOrder() = default;
    // The next sentence. True in sequence mode, where the lines' tooltips follow the texts.
    virtual bool next() = 0;
    // One step back; nothing, changing nothing, when there is none to go back to. Otherwise
    // whether the tooltips follow, as for next().
    virtual std::optional<bool> previous() = 0;
};
