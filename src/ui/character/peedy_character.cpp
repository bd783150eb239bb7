#include "ui/character/peedy_character.h"

#include "core/logging.h"
#include "core/playback/playback_state.h"
#include "core/ports/speech_engine.h"
#include "ui/character/character_window.h"

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
    case QLocale::AnyLanguage:
    case QLocale::C:
        return std::nullopt;
    default: // a learner's deck in another language: the language's own main country
        return QLocale(language);
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
    : m_window(std::move(window)), m_speech(std::move(engine)), m_onBar(onBar) {
    m_frameTimer.setInterval(kFrameMs);
    connect(&m_frameTimer, &QTimer::timeout, this, &PeedyCharacter::step);
    m_limitTimer.setSingleShot(true);
    connect(&m_limitTimer, &QTimer::timeout, this, &PeedyCharacter::sentenceEnded);
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
    connect(&m_speech, &SpeechSupervisor::availabilityKnown, this,
            &PeedyCharacter::speechAvailability);
    connect(&m_speech, &SpeechSupervisor::failed, this, [this] {
        if (m_waiting && m_current)
            finishCurrent();
    });
    connect(&m_speech, &SpeechSupervisor::voicesChanged, this, &PeedyCharacter::voicesChanged);
    connect(&m_speech, &SpeechSupervisor::finished, this, &PeedyCharacter::sentenceEnded);
    m_speech.start();
}

PeedyCharacter::~PeedyCharacter() = default;

void PeedyCharacter::sentenceEnded() {
    if (m_current && m_current->kind == Request::Speak)
        finishCurrent();
}

// A sentence that waited for the engine is read once it is up, if still on the bar.
void PeedyCharacter::speechAvailability(bool ok) {
    if (m_waiting && m_current) {
        m_waiting = false;
        if (ok && stillOnBar(m_current->text))
            say(*m_current);
        else
            finishCurrent();
    }
}

void PeedyCharacter::say(const Request& request) {
    if (request.slowly)
        m_speech.engine().saySlowly(request.text);
    else
        m_speech.engine().say(request.text); // trailing blanks and all
    m_limitTimer.start(speakingLimitMs(request.text, request.slowly));
}

bool PeedyCharacter::stillOnBar(const QString& text) const {
    return !m_onBar || m_onBar->french() == text;
}

void PeedyCharacter::readOrWait(const Request& request) {
    if (m_speech.ready()) {
        say(request);
    } else if (m_speech.starting()) {
        m_waiting = true;
        m_limitTimer.start(kEngineWaitMs);
    } else { // broken: the balloon shows for the sentence's time
        m_limitTimer.start(speakingLimitMs(request.text, request.slowly));
    }
}

void PeedyCharacter::chooseVoice(const QString& name) {
    m_speech.setVoice(name);
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
    m_speech.checkBringUp();
    CharacterResult result = enqueue(std::move(request));
    // The balloon still shows the words, but the caller learns that nobody will hear them.
    if (result.ok() && !m_speech.problem().isEmpty())
        result.error = m_speech.problem();
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
    m_speech.engine().setLocale(*locale);
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
        m_window->setFrame(m_speech.ready() && !m_waiting ? kTalk[at % kTalk.size()]
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
    if (m_current->kind == Request::Speak && !m_waiting && m_speech.ready())
        m_speech.engine().stop();
    finishCurrent();
}

void PeedyCharacter::scheduleBlink() {
    if (m_visible)
        m_blinkTimer.start(QRandomGenerator::global()->bounded(2500, 6000));
}
