// Qt TextToSpeech on a thread of its own: constructing it can block for seconds (on Linux it
// starts speech-dispatcher), and tearing it down can hang, so the program never waits on it.
#pragma once

#include "core/ports/speech_engine.h"

#include <atomic>
#include <memory>

class QThread;
class SpeechWorker;

class QtSpeechEngine : public SpeechEngine {
    Q_OBJECT
public:
    explicit QtSpeechEngine(QObject* parent = nullptr);
    ~QtSpeechEngine() override;

    void start() override;
    void setLocale(const QLocale& locale) override;
    void setVoice(const QString& name) override;
    void say(const QString& text) override;
    void saySlowly(const QString& text) override;
    void stop() override;

private:
    void send(const QString& text, bool slowly);

    QThread* m_thread = nullptr;
    SpeechWorker* m_worker = nullptr;
    QLocale m_locale{QLocale::French, QLocale::France};
    QString m_voice;
    // The number of the newest sentence: the engine's thread skips any older one it is handed.
    std::shared_ptr<std::atomic<quint64>> m_newest = std::make_shared<std::atomic<quint64>>(0);
    // Set from start() until the engine's thread has finished bringing it up.
    std::shared_ptr<std::atomic<bool>> m_bringingUp = std::make_shared<std::atomic<bool>>(false);
};
