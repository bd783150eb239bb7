// The speaking character as the program uses it: a loader that finds characters by name, and a
// character that can be shown, hidden, given a language, made to speak and to play an
// animation. Requests run one after another in the order made; no call waits for one to end.
#pragma once

#include <QLocale>
#include <QRect>
#include <QString>

// The outcome of a request: empty when it was accepted, else what went wrong.
struct CharacterResult {
    QString error;
    bool ok() const { return error.isEmpty(); }
};

class SpeakingCharacter {
public:
    virtual ~SpeakingCharacter() = default;
    virtual CharacterResult show() = 0;
    virtual CharacterResult hide() = 0;
    virtual CharacterResult speak(const QString& text) = 0;
    // Reads aloud like speak(), with no balloon showing the words.
    virtual CharacterResult speakWithoutBalloon(const QString& text) = 0;
    // True from a speak request until its reading ends or its time limit passes, including
    // while it waits in the queue or for the speech engine to come up.
    virtual bool isSpeaking() const = 0;
    // Like speak(), at a clearly slower rate.
    virtual CharacterResult speakSlowly(const QString& text) = 0;
    // Silences the voice at once and drops the queued speech and animations; the character
    // stands idle with no balloon.
    virtual CharacterResult stop() = 0;
    virtual CharacterResult play(const QString& animation) = 0;
    virtual CharacterResult setLanguage(QLocale::Language language) = 0;
    virtual QLocale::Language language() const = 0;
    virtual bool isVisible() const = 0;
    // Where on the screen the caption bar really is: the character and its balloon stay off it.
    virtual void keepClearOf(const QRect& area) = 0;
};

class CharacterLoader {
public:
    virtual ~CharacterLoader() = default;
    virtual CharacterResult load(const QString& name) = 0;
    // The loaded character of that name, or null.
    virtual SpeakingCharacter* character(const QString& name) = 0;
};

// The longest a sentence is given to be read: about twelve characters a second, plus time for
// the engine to start talking.
inline int speakingLimitMs(const QString& text) {
    return 1500 + 85 * static_cast<int>(text.trimmed().size());
}
