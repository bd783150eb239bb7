// Peedy, the parrot who reads the French aloud: the character's requests are queued and run one
// after another, animating the character's window and driving the speech engine.
#pragma once

#include "core/playback/speaking_character.h"
#include "core/voice/speech_supervisor.h"

#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

class CharacterWindow;
class PlaybackState;
class SpeechEngine;

class PeedyCharacter : public QObject, public SpeakingCharacter {
    Q_OBJECT
public:
    // The character takes the engine over and starts it. onBar holds the sentence on the bar: a
    // sentence that waited for the engine is read only if it is still there, and a new voice
    // reads it again. Without a bar every sentence is read once the engine is up.
    PeedyCharacter(std::unique_ptr<CharacterWindow> window, std::unique_ptr<SpeechEngine> engine,
                   const PlaybackState* onBar = nullptr);
    ~PeedyCharacter() override;

    CharacterResult show() override;
    CharacterResult hide() override;
    CharacterResult speak(const QString& text) override;
    CharacterResult speakWithoutBalloon(const QString& text) override;
    bool isSpeaking() const override;
    CharacterResult speakSlowly(const QString& text) override;
    CharacterResult stop() override;
    CharacterResult play(const QString& animation) override;
    CharacterResult setLanguage(QLocale::Language language) override;
    QLocale::Language language() const override { return m_language; }
    bool isVisible() const override { return m_visible; }
    void keepClearOf(const QRect& area) override;

    // The French voices to choose from and the one in use, once the engine is up.
    QStringList voices() const { return m_speech.voices(); }
    QString voice() const { return m_speech.voiceInUse(); }
    // The languages a deck can be read in.
    QStringList languages() const { return m_speech.languages(); }
    // Switches the voice at once and reads the sentence on the bar with it.
    void chooseVoice(const QString& name);
    // The engine, kept working.
    SpeechSupervisor& speech() { return m_speech; }

    CharacterWindow& window() { return *m_window; }
    // The frame tick; and the end of the sentence being read, when the engine finishes it or
    // its time is up.
    void step();
    void sentenceEnded();
    // A request runs, or waits its turn (the next one starts from the event loop).
    bool busy() const { return m_current.has_value() || !m_queue.empty(); }

    // The longest a sentence is given to be spoken before the next request runs.
    static int speakingLimitMs(const QString& text, bool slowly = false);

    static const QStringList& frameNames();

signals:
    void voicesChanged();

private:
    struct Request {
        enum Kind { Show, Hide, Speak, Play } kind;
        QString text;
        bool balloon = true;
        bool slowly = false;
    };

    CharacterResult enqueueSpeech(Request request);
    CharacterResult enqueue(Request request);
    void runNext();
    void begin(const Request& request);
    void finishCurrent();
    void cutCurrentShort(); // ends the current request now, silencing a reading
    void speechAvailability(bool ok);
    void readOrWait(const Request& request);
    void say(const Request& request);
    bool stillOnBar(const QString& text) const;
    void scheduleBlink();

    std::unique_ptr<CharacterWindow> m_window;
    SpeechSupervisor m_speech;
    std::deque<Request> m_queue;
    std::optional<Request> m_current;
    QTimer m_frameTimer; // runs only while something moves
    QTimer m_limitTimer; // ends a Speak the engine never finishes
    QTimer m_blinkTimer;
    int m_step = 0;
    bool m_visible = false; // as the requests run so far have left it
    bool m_waiting = false; // the current sentence waits for the engine to come up
    const PlaybackState* m_onBar;
    QLocale::Language m_language = QLocale::AnyLanguage;
};
