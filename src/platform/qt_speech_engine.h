// Qt TextToSpeech on a thread of its own: constructing it can block for seconds (on Linux it
// starts speech-dispatcher), and tearing it down can hang, so the program never waits on it.
#pragma once

#include "platform/threaded_speech_engine.h"

class QtSpeechEngine : public ThreadedSpeechEngine {
    Q_OBJECT
public:
    explicit QtSpeechEngine(QObject* parent = nullptr);

    void setLocale(const QLocale& locale) override;

private:
    SpeechThreadWorker* makeWorker() override;

    QLocale m_locale{QLocale::French, QLocale::France};
};
