// Speech on Windows straight through SAPI's COM interface (ISpVoice), on a thread of its own:
// unlike Qt's SAPI engine it reads with the OneCore voices too (Julie, Paul, Hortense), and it
// hears the end of a reading from SAPI's own events. Windows only.
#pragma once

#include "core/ports/speech_engine.h"

#include <atomic>
#include <memory>

class QThread;
class SapiWorker;

class SapiSpeechEngine : public SpeechEngine {
    Q_OBJECT
public:
    explicit SapiSpeechEngine(QObject* parent = nullptr);
    ~SapiSpeechEngine() override;

    // Whether SAPI's voice object is registered at all; Qt's engine stands in where it is not.
    static bool available();

    void start() override;
    void setLocale(const QLocale& locale) override;
    void setVoice(const QString& name) override;
    void say(const QString& text) override;
    void saySlowly(const QString& text) override;
    void stop() override;

private:
    void send(const QString& text, bool slowly);

    QThread* m_thread = nullptr;
    SapiWorker* m_worker = nullptr;
    QString m_voice;
    // The number of the newest sentence: the engine's thread skips any older one it is handed.
    std::shared_ptr<std::atomic<quint64>> m_newest = std::make_shared<std::atomic<quint64>>(0);
    std::shared_ptr<std::atomic<bool>> m_bringingUp = std::make_shared<std::atomic<bool>>(false);
};
