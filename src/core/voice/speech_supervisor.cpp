#include "core/voice/speech_supervisor.h"

#include "core/logging.h"

#include <QElapsedTimer>

SpeechSupervisor::SpeechSupervisor(std::unique_ptr<SpeechEngine> engine, QObject* parent)
    : QObject(parent), m_engine(std::move(engine)) {
    m_bringUpTimer.setSingleShot(true);
    connect(&m_bringUpTimer, &QTimer::timeout, this, &SpeechSupervisor::checkBringUp);
    m_restartTimer.setSingleShot(true);
    connect(&m_restartTimer, &QTimer::timeout, this, &SpeechSupervisor::restartIfDue);
    connect(m_engine.get(), &SpeechEngine::availabilityKnown, this,
            &SpeechSupervisor::availability);
    connect(m_engine.get(), &SpeechEngine::failed, this, &SpeechSupervisor::engineFailed);
    connect(m_engine.get(), &SpeechEngine::voicesKnown, this,
            [this](const QStringList& voices, const QString& inUse) {
                m_voices = voices;
                m_voiceInUse = inUse;
                emit voicesChanged();
            });
    connect(m_engine.get(), &SpeechEngine::languagesKnown, this,
            [this](const QStringList& languages) {
                m_languages = languages;
                emit voicesChanged();
            });
    connect(m_engine.get(), &SpeechEngine::finished, this, [this] {
        m_toldFailure.clear(); // the engine works again: its next fault is news
        emit finished();
    });
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    m_now = [clock] { return clock->elapsed(); };
}

SpeechSupervisor::~SpeechSupervisor() = default;

void SpeechSupervisor::start() {
    m_state = State::Starting;
    m_startedAtMs = m_now();
    m_bringUpTimer.start(kBringUpLimitMs);
    m_engine->start();
}

void SpeechSupervisor::checkBringUp() {
    if (m_state == State::Starting && m_now() - m_startedAtMs >= kBringUpLimitMs)
        availability(
            false,
            QStringLiteral("the engine did not answer within %1 s").arg(kBringUpLimitMs / 1000));
}

void SpeechSupervisor::availability(bool ok, const QString& problem) {
    // An engine that cannot start (no daemon, no French voice yet) is tried again later, like
    // one that broke: the learner may start the daemon or install a voice meanwhile.
    if (!ok && problem != m_voiceProblem)
        qCWarning(lcSpeech).noquote() << problem;
    m_voiceProblem = ok ? QString() : problem;
    if (ok) {
        m_state = State::Ready;
        m_restartTimer.stop();
        m_backoff.engineCameUp();
    }
    emit availabilityKnown(ok);
    if (!ok)
        down();
}

void SpeechSupervisor::engineFailed(const QString& problem) {
    emit failed();
    if (m_state == State::Broken)
        return;
    // A fault that comes back with every fresh engine is told once, not at each restart.
    if (problem != m_toldFailure)
        qCWarning(lcSpeech).noquote()
            << QStringLiteral("the engine stopped working (%1); it is started again").arg(problem);
    m_toldFailure = problem;
    // Until a fresh engine is up, callers learn that nobody hears them (listen-first then
    // shows the text at once).
    m_voiceProblem = problem;
    down();
}

void SpeechSupervisor::down() {
    m_state = State::Broken;
    m_bringUpTimer.stop();
    m_backoff.engineFailed();
    restartIfDue();
}

void SpeechSupervisor::restartIfDue() {
    if (m_state != State::Broken)
        return;
    if (const qint64 wait = m_backoff.msUntilRestart(); wait > 0)
        m_restartTimer.start(static_cast<int>(wait));
    else
        start();
}

void SpeechSupervisor::setVoice(const QString& name) {
    m_engine->setVoice(name);
    m_voiceInUse = name;
    emit voicesChanged();
}
