// Speech on Windows straight through SAPI's COM interface (ISpVoice), on a thread of its own:
// unlike Qt's SAPI engine it reads with the OneCore voices too (Julie, Paul, Hortense), and it
// hears the end of a reading from SAPI's own events. Windows only.
#pragma once

#include "platform/threaded_speech_engine.h"

class SapiSpeechEngine : public ThreadedSpeechEngine {
    Q_OBJECT
public:
    explicit SapiSpeechEngine(QObject* parent = nullptr);

    // Whether SAPI's voice object is registered at all; Qt's engine stands in where it is not.
    static bool available();

    void setLocale(const QLocale& locale) override;

private:
    SpeechThreadWorker* makeWorker() override;

    QLocale m_locale{QLocale::French, QLocale::France};
};
