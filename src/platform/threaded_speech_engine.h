// What every speech engine of ours shares: the engine itself lives on a thread of its own,
// reached only through queued calls, since bringing it up or tearing it down can take seconds
// or never end; a newer sentence makes every older one still on its way void.
#pragma once

#include "core/ports/speech_engine.h"

#include <atomic>
#include <memory>

class QThread;

// The object on the engine's thread. Besides these signals it has the invokable methods
// bringUp(), setVoice(QString), say(quint64 number, QString text, bool slowly) and stop(), and
// skips a say() whose number is no longer the newest.
class SpeechThreadWorker : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void availabilityKnown(bool ok, const QString& problem);
    void voicesKnown(const QStringList& voices, const QString& inUse);
    void languagesKnown(const QStringList& languages);
    void failed(const QString& problem);
    void finished();
};

class ThreadedSpeechEngine : public SpeechEngine {
    Q_OBJECT
public:
    using SpeechEngine::SpeechEngine;
    ~ThreadedSpeechEngine() override;

    void start() override;
    void setVoice(const QString& name) override;
    void say(const QString& text) override;
    void saySlowly(const QString& text) override;
    void stop() override;

protected:
    // Made once, by the first start(), before it moves to the engine's thread.
    virtual SpeechThreadWorker* makeWorker() = 0;
    // Null until the first start().
    SpeechThreadWorker* worker() const { return m_worker; }

    // The voice asked for so far, for a worker about to be made.
    QString m_voice;
    // The number of the newest sentence: the engine's thread skips any older one it is handed.
    std::shared_ptr<std::atomic<quint64>> m_newest = std::make_shared<std::atomic<quint64>>(0);
    // Set from start() until the engine's thread has finished bringing it up.
    std::shared_ptr<std::atomic<bool>> m_bringingUp = std::make_shared<std::atomic<bool>>(false);

private:
    void send(const QString& text, bool slowly);

    QThread* m_thread = nullptr;
    SpeechThreadWorker* m_worker = nullptr;
};
