// A way to hold the French text back while the character reads it first.
#pragma once

#include <QString>

class SpeakingCharacter;

class FrenchHold {
public:
    enum class Start {
        Off,     // nothing held: the French comes in and is read as usual
        Holding, // being read; the text waits until holding() turns false
        Unheard, // asked to read, but nobody will hear it: the text comes in at once
    };

    virtual ~FrenchHold() = default;
    // Called where the French would slide in; a start other than Off has done the reading.
    virtual Start begin(SpeakingCharacter* character, const QString& french) = 0;
    // Asked on every play-cycle tick while held.
    virtual bool holding() = 0;
};
