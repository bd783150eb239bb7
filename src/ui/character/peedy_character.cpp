#include "ui/character/peedy_character.h"

#include "core/logging.h"
#include "core/playback/playback_state.h"
#include "core/ports/speech_engine.h"
#include "ui/character/character_window.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QRandomGenerator>
#include <algorithm>

namespace {

constexpr int kFrameMs = 110;
constexpr int kPresenceSteps = 5;
constexpr size_t kMaxPending = 16; // a backlog this long means nobody is watching anyway
// A sentence waits this long at most for an engine still coming up (4-6 s is usual, a busy
// machine takes far longer); the next sentence usually replaces it well before.
constexpr int kEngineWaitMs = 60000;
// An engine that has not answered this long after its start counts as broken, and is started
// again as any broken one (Qt's SAPI plugin never answers under Wine).
constexpr int kBringUpLimitMs = 20000;

const QStringList kWave = {"wave-1", "wave-2", "wave-3", "wave-4", "wave-3",
                           "wave-2", "wave-3", "wave-4", "wave-2", "wave-1"};
const QStringList kTalk = {"talk-1", "talk-2", "talk-1", "idle"};

// The voices' own country for each language the character reads.
std::optional<QLocale> localeOf(QLocale::Language language) {
    switch (language) {
    case QLocale::French:
        return QLocale(QLocale::French, QLocale::France);
    case QLocale::English:
        return QLocale(QLocale::English, QLocale::UnitedStates);
    default:
        return std::nullopt;
    }
}

} // namespace

const QStringList& PeedyCharacter::frameNames() {
    static const QStringList names = {"idle",   "blink",  "talk-1", "talk-2",
                                      "wave-1", "wave-2", "wave-3", "wave-4"};
    return names;
}

int PeedyCharacter::speakingLimitMs(const QString& text, bool slowly) {
    const int limit = ::speakingLimitMs(text);
    return slowly ? limit * 2 : limit; // a slow reading takes up to twice as long
}

PeedyCharacter::PeedyCharacter(std::unique_ptr<CharacterWindow> window,
                               std::unique_ptr<SpeechEngine> engine, const PlaybackState* onBar)
    : m_window(std::move(window)), m_engine(std::move(engine)), m_onBar(onBar) {
    m_frameTimer.setInterval(kFrameMs);
    connect(&m_frameTimer, &QTimer::timeout, this, &PeedyCharacter::step);
    m_limitTimer.setSingleShot(true);
    connect(&m_limitTimer, &QTimer::timeout, this, &PeedyCharacter::sentenceEnded);
    m_bringUpTimer.setSingleShot(true);
    connect(&m_bringUpTimer, &QTimer::timeout, this, &PeedyCharacter::checkBringUp);
    m_restartTimer.setSingleShot(true);
    connect(&m_restartTimer, &QTimer::timeout, this, &PeedyCharacter::restartEngineIfDue);
    m_blinkTimer.setSingleShot(true);
    connect(&m_blinkTimer, &QTimer::timeout, this, [this] {
        if (!m_current && m_visible) {
            m_window->setFrame(QStringLiteral("blink"));
            QTimer::singleShot(140, this, [this] {
                if (!m_current)
                    m_window->setFrame(QStringLiteral("idle"));
            });
            scheduleBlink();
        }
    });
    connect(m_engine.get(), &SpeechEngine::availabilityKnown, this,
            &PeedyCharacter::speechAvailability);
    connect(m_engine.get(), &SpeechEngine::failed, this, &PeedyCharacter::engineFailed);
    connect(m_engine.get(), &SpeechEngine::voicesKnown, this,
            [this](const QStringList& voices, const QString& inUse) {
                m_voices = voices;
                m_voiceInUse = inUse;
                emit voicesChanged();
            });
    connect(m_engine.get(), &SpeechEngine::finished, this, [this] {
        m_toldFailure.clear(); // the engine works again: its next fault is news
        sentenceEnded();
    });
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    m_now = [clock] { return clock->elapsed(); };
    startEngine();
}

void PeedyCharacter::startEngine() {
    m_engineState = Engine::Starting;
    m_startedAtMs = m_now();
    m_bringUpTimer.start(kBringUpLimitMs);
    m_engine->start();
}

void PeedyCharacter::checkBringUp() {
    if (m_engineState == Engine::Starting && m_now() - m_startedAtMs >= kBringUpLimitMs)
        speechAvailability(
            false,
            QStringLiteral("the engine did not answer within %1 s").arg(kBringUpLimitMs / 1000));
}

PeedyCharacter::~PeedyCharacter() = default;

void PeedyCharacter::sentenceEnded() {
    if (m_current && m_current->kind == Request::Speak)
        finishCurrent();
}

void PeedyCharacter::speechAvailability(bool ok, const QString& problem) {
    // An engine that cannot start (no daemon, no French voice yet) is tried again later, like
    // one that broke: the learner may start the daemon or install a voice meanwhile.
    if (!ok && problem != m_voiceProblem)
        qCWarning(lcSpeech).noquote() << problem;
    m_voiceProblem = ok ? QString() : problem;
    if (ok) {
        m_engineState = Engine::Ready;
        m_restartTimer.stop();
        m_backoff.engineCameUp();
    }
    if (m_waiting && m_current) {
        m_waiting = false;
        if (ok && stillOnBar(m_current->text))
            say(*m_current);
        else
            finishCurrent();
    }
    if (!ok)
        engineDown();
}

void PeedyCharacter::say(const Request& request) {
    if (request.slowly)
        m_engine->saySlowly(request.text);
    else
        m_engine->say(request.text); // trailing blanks and all
    m_limitTimer.start(speakingLimitMs(request.text, request.slowly));
}

void PeedyCharacter::engineFailed(const QString& problem) {
    if (m_waiting && m_current)
        finishCurrent();
    if (m_engineState == Engine::Broken)
        return;
    // A fault that comes back with every fresh engine is told once, not at each restart.
    if (problem != m_toldFailure)
        qCWarning(lcSpeech).noquote()
            << QStringLiteral("the engine stopped working (%1); it is started again").arg(problem);
    m_toldFailure = problem;
    // Until a fresh engine is up, callers learn that nobody hears them (listen-first then
    // shows the text at once).
    m_voiceProblem = problem;
    engineDown();
}

void PeedyCharacter::engineDown() {
    m_engineState = Engine::Broken;
    m_bringUpTimer.stop();
    m_backoff.engineFailed();
    restartEngineIfDue();
}

void PeedyCharacter::restartEngineIfDue() {
    if (m_engineState != Engine::Broken)
        return;
    if (const qint64 wait = m_backoff.msUntilRestart(); wait > 0)
        m_restartTimer.start(static_cast<int>(wait));
    else
        startEngine();
}

bool PeedyCharacter::stillOnBar(const QString& text) const {
    return !m_onBar || m_onBar->french() == text;
}

void PeedyCharacter::readOrWait(const Request& request) {
    switch (m_engineState) {
    case Engine::Ready:
        say(request);
        break;
    case Engine::Starting:
        m_waiting = true;
        m_limitTimer.start(kEngineWaitMs);
        break;
    case Engine::Broken:
        m_limitTimer.start(speakingLimitMs(request.text, request.slowly));
        break;
    }
}

void PeedyCharacter::chooseVoice(const QString& name) {
    m_engine->setVoice(name);
    m_voiceInUse = name;
    emit voicesChanged();
    if (m_onBar && !m_onBar->french().isEmpty())
        speak(m_onBar->french());
}

CharacterResult PeedyCharacter::show() {
    if (!m_window->problems().isEmpty())
        return {QStringLiteral("the character's pictures could not be read: ") +
                m_window->problems().join(QStringLiteral(", "))};
    return enqueue({Request::Show, {}});
}

CharacterResult PeedyCharacter::hide() {
    return enqueue({Request::Hide, {}});
}

CharacterResult PeedyCharacter::speak(const QString& text) {
    return enqueueSpeech({Request::Speak, text});
}

CharacterResult PeedyCharacter::speakWithoutBalloon(const QString& text) {
    return enqueueSpeech({Request::Speak, text, /*balloon=*/false});
}

CharacterResult PeedyCharacter::speakSlowly(const QString& text) {
    return enqueueSpeech({Request::Speak, text, /*balloon=*/true, /*slowly=*/true});
}

CharacterResult PeedyCharacter::enqueueSpeech(Request request) {
    checkBringUp();
    CharacterResult result = enqueue(std::move(request));
    // The balloon still shows the words, but the caller learns that nobody will hear them.
    if (result.ok() && !m_voiceProblem.isEmpty())
        result.error = m_voiceProblem;
    return result;
}

bool PeedyCharacter::isSpeaking() const {
    const auto isSpeak = [](const Request& request) { return request.kind == Request::Speak; };
    return (m_current && isSpeak(*m_current)) ||
           std::any_of(m_queue.begin(), m_queue.end(), isSpeak);
}

// Speech and gestures end now; showing and hiding still run, so the character ends up where
// the read-aloud entry says it is.
CharacterResult PeedyCharacter::stop() {
    const auto speechOrGesture = [](const Request& request) {
        return request.kind == Request::Speak || request.kind == Request::Play;
    };
    m_queue.erase(std::remove_if(m_queue.begin(), m_queue.end(), speechOrGesture), m_queue.end());
    if (m_current && speechOrGesture(*m_current))
        cutCurrentShort();
    return {};
}

CharacterResult PeedyCharacter::play(const QString& animation) {
    if (animation.compare(QStringLiteral("Wave"), Qt::CaseInsensitive) != 0)
        return {QStringLiteral("Peedy has no animation called \"%1\"").arg(animation)};
    return enqueue({Request::Play, animation});
}

void PeedyCharacter::keepClearOf(const QRect& area) {
    m_window->keepClearOf(area);
}

CharacterResult PeedyCharacter::setLanguage(QLocale::Language language) {
    const auto locale = localeOf(language);
    if (!locale)
        return {QStringLiteral("%1 is not supported").arg(QLocale::languageToString(language))};
    m_language = language;
    m_engine->setLocale(*locale);
    return {};
}

CharacterResult PeedyCharacter::enqueue(Request request) {
    if (request.kind == Request::Speak) {
        // Only the newest sentence is read: older ones still waiting are dropped, and one
        // being read is cut short.
        m_queue.erase(std::remove_if(m_queue.begin(), m_queue.end(),
                                     [](const Request& r) { return r.kind == Request::Speak; }),
                      m_queue.end());
        if (m_current && m_current->kind == Request::Speak)
            cutCurrentShort();
    }
    if (m_queue.size() >= kMaxPending)
        return {QStringLiteral("Peedy is still busy with earlier requests")};
    m_queue.push_back(std::move(request));
    if (!m_current)
        QMetaObject::invokeMethod(this, &PeedyCharacter::runNext, Qt::QueuedConnection);
    return {};
}

void PeedyCharacter::runNext() {
    while (!m_current && !m_queue.empty()) {
        Request request = std::move(m_queue.front());
        m_queue.pop_front();
        // A hidden character neither speaks nor moves: such requests end at once.
        const bool dropped =
            !m_visible && (request.kind == Request::Speak || request.kind == Request::Play);
        const bool nothingToDo = (request.kind == Request::Show && m_visible) ||
                                 (request.kind == Request::Hide && !m_visible);
        if (dropped || nothingToDo)
            continue;
        m_current = std::move(request);
        begin(*m_current);
    }
}

void PeedyCharacter::begin(const Request& request) {
    m_blinkTimer.stop();
    m_step = 0;
    switch (request.kind) {
    case Request::Show:
        m_visible = true;
        m_window->setFrame(QStringLiteral("idle"));
        m_window->setPresence(0.0);
        m_window->show();
        break;
    case Request::Hide:
        m_visible = false;
        m_window->hideBalloon();
        break;
    case Request::Speak:
        if (request.balloon)
            m_window->showBalloon(request.text);
        readOrWait(request);
        break;
    case Request::Play:
        break;
    }
    m_frameTimer.start();
    step();
}

void PeedyCharacter::step() {
    if (!m_current)
        return;
    const int at = m_step++;
    switch (m_current->kind) {
    case Request::Show:
        m_window->setPresence(double(at) / kPresenceSteps);
        if (at >= kPresenceSteps)
            finishCurrent();
        break;
    case Request::Hide:
        m_window->setPresence(1.0 - double(at) / kPresenceSteps);
        if (at >= kPresenceSteps) {
            m_window->hide();
            finishCurrent();
        }
        break;
    case Request::Speak:
        // The beak moves only while there is a voice to go with it.
        m_window->setFrame(m_engineState == Engine::Ready && !m_waiting ? kTalk[at % kTalk.size()]
                                                                        : QStringLiteral("idle"));
        break;
    case Request::Play:
        if (at < kWave.size())
            m_window->setFrame(kWave[at]);
        else
            finishCurrent();
        break;
    }
}

void PeedyCharacter::finishCurrent() {
    m_waiting = false;
    m_frameTimer.stop();
    m_limitTimer.stop();
    if (m_current->kind == Request::Speak)
        m_window->hideBalloon();
    if (m_visible)
        m_window->setFrame(QStringLiteral("idle"));
    m_current.reset();
    if (!m_queue.empty())
        QMetaObject::invokeMethod(this, &PeedyCharacter::runNext, Qt::QueuedConnection);
    else
        scheduleBlink();
}

void PeedyCharacter::cutCurrentShort() {
    if (m_current->kind == Request::Speak && !m_waiting && m_engineState == Engine::Ready)
        m_engine->stop();
    finishCurrent();
}

void PeedyCharacter::scheduleBlink() {
    if (m_visible)
        m_blinkTimer.start(QRandomGenerator::global()->bounded(2500, 6000));
}
