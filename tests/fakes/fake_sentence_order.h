// A play order that counts its steps and puts "Phrase N.  " / "Sentence N.  " on the bar, as at
// random: the tooltips never follow.
#pragma once

#include "core/playback/playback_state.h"
#include "core/playback/sentence_order.h"

struct FakeSentenceOrder : SentenceOrder {
    explicit FakeSentenceOrder(PlaybackState& state) : onBar(state) {}
    bool next() override { return show(++selections); }
    std::optional<bool> previous() override {
        return selections > 1 ? std::optional<bool>(show(--selections)) : std::nullopt;
    }
    bool show(int number) {
        onBar.setSentence(number, QStringLiteral("Phrase %1.  ").arg(number),
                          QStringLiteral("Sentence %1.  ").arg(number));
        return false;
    }

    PlaybackState& onBar;
    int selections = 0;
};
