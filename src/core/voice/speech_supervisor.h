// A speech engine kept working: started at once; one that has not answered 20 s after a start, or
// that fails, counts as broken and is started again as soon as the backoff allows; a fault that
// comes back with every fresh engine is told once. The French voices it offers are kept here.
#pragma once

#include "core/ports/speech_engine.h"
#include "core/voice/restart_backoff.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

class SpeechSupervisor : public QObject {
    Q_OBJECT
public:
    // Takes the engine over; start() brings it up.
    explicit SpeechSupervisor(std::unique_ptr<SpeechEngine> engine, QObject* parent = nullptr);
    ~SpeechSupervisor() override;

    // Brings the engine up, a fresh one after a failure.
    void start();

    SpeechEngine& engine() { return *m_engine; }
    bool ready() const { return m_state == State::Ready; }
    // Started, with no answer yet.
    bool starting() const { return m_state == State::Starting; }
    // Empty while the voice works or is not yet known, else why nobody hears it.
    QString problem() const { return m_voiceProblem; }

    // Gives the engine up if it has not answered within the limit since its start.
    void checkBringUp();
    // A broken engine is started again as soon as the backoff allows; a timer calls this then.
    void restartIfDue();

    // The French voices to choose from and the one in use, once the engine is up.
    QStringList voices() const { return m_voices; }
    QString voiceInUse() const { return m_voiceInUse; }
    // The languages some installed voice reads, as BCP 47 names, once the engine is up.
    QStringList languages() const { return m_languages; }
    void setVoice(const QString& name);

    // Milliseconds from any fixed point; tests set their own clock.
    void setClock(std::function<qint64()> now) { m_now = std::move(now); }

    // An engine that has not answered this long after its start counts as broken, and is
    // started again as any broken one (Qt's SAPI plugin never answers under Wine).
    static constexpr int kBringUpLimitMs = 20000;

signals:
    // Speech became possible, or a start ended without it (problem() says why).
    void availabilityKnown(bool ok);
    // The engine stopped working; a fresh one is on its way.
    void failed();
    // The utterance begun by the last say() has ended.
    void finished();
    void voicesChanged();

private:
    enum class State { Starting, Ready, Broken };

    void availability(bool ok, const QString& problem);
    void engineFailed(const QString& problem);
    void down();

    std::unique_ptr<SpeechEngine> m_engine;
    QTimer m_bringUpTimer; // notices an engine that never answers
    QTimer m_restartTimer;
    State m_state = State::Starting;
    qint64 m_startedAtMs = 0;
    QString m_voiceProblem;
    QString m_toldFailure; // the engine's last fault, told; cleared by a sentence read through
    QStringList m_voices;
    QString m_voiceInUse;
    QStringList m_languages;
    std::function<qint64()> m_now;
    RestartBackoff m_backoff{[this] { return m_now(); }};
};
