// A play order that counts its steps and puts "Phrase N.  " / "Sentence N.  " on the bar.
#pragma once

#include "core/playback/playback_state.h"
#include "core/playback/sentence_order.h"

class FakeSentenceOrder : public SentenceOrder {
public:
    explicit FakeSentenceOrder(PlaybackState& onBar) : m_onBar(onBar) {}

    bool next() override { return show(++selections); }
    std::optional<bool> previous() override {
        if (selections <= 1)
            return std::nullopt;
        return show(--selections);
    }

    int selections = 0;

private:
    bool show(int number) {
        m_onBar.setSentence(number, QStringLiteral("Phrase %1.  ").arg(number),
                            QStringLiteral("Sentence %1.  ").arg(number));
        return false; // as at random: the tooltips stay
    }

    PlaybackState& m_onBar;
};
