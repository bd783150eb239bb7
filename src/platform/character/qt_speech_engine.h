// Qt TextToSpeech on a thread of its own: constructing it can block for seconds (on Linux it
// starts speech-dispatcher), and tearing it down can hang, so the program never waits on it.
#pragma once

#include "platform/character/speech_engine.h"

class QThread;
class SpeechWorker;

class QtSpeechEngine : public SpeechEngine {
    Q_OBJECT
public:
    explicit QtSpeechEngine(QObject* parent = nullptr);
    ~QtSpeechEngine() override;

    void start() override;
    void setLocale(const QLocale& locale) override;
    void say(const QString& text) override;
    void saySlowly(const QString& text) override;
    void stop() override;

private:
    QThread* m_thread = nullptr;
    SpeechWorker* m_worker = nullptr;
};
