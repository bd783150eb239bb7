// Peedy, the parrot who reads the French aloud: the character's requests are queued and run one
// after another, animating the character's window and driving the speech engine.
#pragma once

#include "playback/agent.h"

#include <QObject>
#include <QTimer>
#include <deque>
#include <memory>

class CharacterWindow;
class SpeechEngine;

class PeedyCharacter : public QObject, public AgentCharacter {
    Q_OBJECT
public:
    // The character takes the engine over and starts it.
    PeedyCharacter(std::unique_ptr<CharacterWindow> window, std::unique_ptr<SpeechEngine> engine);
    ~PeedyCharacter() override;

    AgentResult Show() override;
    AgentResult Hide() override;
    AgentResult Speak(const QString& text) override;
    AgentResult SpeakWithoutBalloon(const QString& text) override;
    bool Speaking() const override;
    AgentResult SpeakSlowly(const QString& text) override;
    AgentResult Stop() override;
    AgentResult Play(const QString& animation) override;
    AgentResult setLanguageID(int languageId) override;
    int LanguageID() const override { return m_languageId; }
    bool Visible() const override { return m_visible; }

    CharacterWindow& window() { return *m_window; }
    // The frame tick; and the end of the sentence being read, when the engine finishes it or
    // its time is up.
    void step();
    void sentenceEnded();
    bool busy() const { return m_current.has_value(); }

    // The longest a sentence is given to be spoken before the next request runs.
    static int speakingLimitMs(const QString& text, bool slowly = false);

    static const QStringList& frameNames();

private:
    struct Request {
        enum Kind { Show, Hide, Speak, Play } kind;
        QString text;
        bool balloon = true;
        bool slowly = false;
    };

    AgentResult speak(Request request);
    AgentResult enqueue(Request request);
    void runNext();
    void begin(const Request& request);
    void finishCurrent();
    void speechAvailability(bool ok, const QString& problem);
    void scheduleBlink();

    std::unique_ptr<CharacterWindow> m_window;
    std::unique_ptr<SpeechEngine> m_engine;
    std::deque<Request> m_queue;
    std::optional<Request> m_current;
    QTimer m_frameTimer; // runs only while something moves
    QTimer m_limitTimer; // ends a Speak the engine never finishes
    QTimer m_blinkTimer;
    int m_step = 0;
    bool m_visible = false; // as the requests run so far have left it
    bool m_voiceOk = false;
    QString m_voiceProblem; // empty while the voice works or is not yet known
    int m_languageId = 0;
};
