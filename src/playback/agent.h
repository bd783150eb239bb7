// The speaking character as the program uses it: a control that loads characters by name, and
// a character that can be shown, hidden, given a language, made to speak and to play an
// animation. Requests run one after another in the order made; no call waits for one to end.
#pragma once

#include <QString>
#include <QVariant>

// The outcome of a call: empty when the request was accepted, else what went wrong.
struct AgentResult {
    QString error;
    bool ok() const { return error.isEmpty(); }
};

class AgentCharacter {
public:
    virtual ~AgentCharacter() = default;
    virtual AgentResult Show() = 0;
    virtual AgentResult Hide() = 0;
    virtual AgentResult Speak(const QString& text) = 0;
    // Reads aloud like Speak, with no balloon showing the words.
    virtual AgentResult SpeakWithoutBalloon(const QString& text) = 0;
    // True from a Speak request until its reading ends or its time limit passes, including
    // while it waits in the queue or for the speech engine to come up.
    virtual bool Speaking() const = 0;
    // Like Speak, at a clearly slower rate.
    virtual AgentResult SpeakSlowly(const QString& text) = 0;
    // Silences the voice at once and drops the queued speech and animations; the character
    // stands idle with no balloon.
    virtual AgentResult Stop() = 0;
    virtual AgentResult Play(const QString& animation) = 0;
    virtual AgentResult setLanguageID(int languageId) = 0;
    virtual int LanguageID() const = 0;
    virtual bool Visible() const = 0;
};

class AgentCharacters {
public:
    virtual ~AgentCharacters() = default;
    virtual AgentResult Load(const QString& characterId, const QVariant& loadKey) = 0;
    // The loaded character of that id, or null.
    virtual AgentCharacter* operator()(const QString& characterId) = 0;
};

// Agent1, the control on the bar.
class AgentControl {
public:
    virtual ~AgentControl() = default;
    virtual AgentCharacters& Characters() = 0;
};

inline constexpr int kLanguageFrench = 1036;

// The longest a sentence is given to be read: about twelve characters a second, plus time for
// the engine to start talking.
inline int speakingLimitMs(const QString& text) {
    return 1500 + 85 * static_cast<int>(text.trimmed().size());
}
