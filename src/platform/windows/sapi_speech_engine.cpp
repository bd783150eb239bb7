#include "platform/windows/sapi_speech_engine.h"

#include "core/logging.h"
#include "core/voice/voice_preferences.h"
#include "platform/os_services.h"
#include "platform/qt_speech_engine.h"
#include "platform/sapi_voice_list.h"
#include "platform/speech_engine_choice.h"

#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <QThread>
#include <QTimer>
#include <QWinEventNotifier>
#include <algorithm>
// windows.h first: SAPI's headers need the sound types, which the lean windows.h leaves out.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
#include <sapi.h>
#include <sphelper.h>
#include <wrl/client.h>
// clang-format on

using Microsoft::WRL::ComPtr;

namespace {

// A reading SAPI took but never began, as the Qt engine also watches for.
constexpr int kBeginLimitMs = 5000;
// SAPI's rate runs from -10 to 10, ten steps for each threefold change of speed: four steps
// down make a reading about 1.5 times as long, as the slow replay is with the other engines.
constexpr long kSlowerSteps = 4;

QString takeComText(wchar_t* text) {
    const QString taken = text ? QString::fromWCharArray(text) : QString();
    CoTaskMemFree(text);
    return taken;
}

QString errorCode(HRESULT result) {
    return QStringLiteral("error 0x%1").arg(quint32(result), 8, 16, QLatin1Char('0'));
}

// The tokens SAPI enumerates, kept for the voice to be given the one chosen.
class ComTokenSource : public SapiTokenSource {
public:
    QList<SapiToken> tokens(const QString& category) override {
        QList<SapiToken> found;
        ComPtr<IEnumSpObjectTokens> list;
        if (FAILED(SpEnumTokens(qUtf16Printable(category), nullptr, nullptr, list.GetAddressOf())))
            return found;
        ComPtr<ISpObjectToken> token;
        while (list->Next(1, token.ReleaseAndGetAddressOf(), nullptr) == S_OK) {
            wchar_t* id = nullptr;
            if (FAILED(token->GetId(&id)))
                continue;
            // Wine gives only the token's own key name: the category keeps it apart.
            const SapiToken entry{category + QLatin1Char('|') + takeComText(id),
                                  attribute(*token.Get(), L"Name"),
                                  attribute(*token.Get(), L"Language")};
            // Held here until the source goes (a ComPtr does not survive QHash's copies).
            if (ISpObjectToken* older = m_tokens.value(entry.id))
                older->Release();
            m_tokens.insert(entry.id, token.Detach());
            found << entry;
        }
        return found;
    }

    ~ComTokenSource() override {
        for (ISpObjectToken* token : std::as_const(m_tokens))
            token->Release();
    }

    ISpObjectToken* token(const QString& id) const { return m_tokens.value(id); }

private:
    static QString attribute(ISpObjectToken& token, const wchar_t* name) {
        ComPtr<ISpDataKey> attributes;
        wchar_t* value = nullptr;
        if (FAILED(token.OpenKey(L"Attributes", attributes.GetAddressOf())) ||
            FAILED(attributes->GetStringValue(name, &value)))
            return {};
        return takeComText(value);
    }

    QHash<QString, ISpObjectToken*> m_tokens;
};

} // namespace

// Lives on the engine's thread, where COM is set up; everything reaches it through queued calls.
class SapiWorker : public SpeechThreadWorker {
    Q_OBJECT
public:
    SapiWorker(QLocale locale, QString voice, std::shared_ptr<std::atomic<quint64>> newest,
               std::shared_ptr<std::atomic<bool>> bringingUp)
        : m_preferred(std::move(voice)), m_newest(std::move(newest)),
          m_bringingUp(std::move(bringingUp)) {
        m_language = locale.language();
        m_beginWatch->setSingleShot(true);
        connect(m_beginWatch, &QTimer::timeout, this, [this] {
            if (m_up && m_speaking && !m_heardStart)
                breakDown(QStringLiteral("a sentence handed to it was not begun within %1 s")
                              .arg(kBeginLimitMs / 1000));
        });
    }

    ~SapiWorker() override {
        dropVoice();
        if (m_com)
            CoUninitialize();
    }

    Q_INVOKABLE void bringUp() {
        QElapsedTimer clock;
        clock.start();
        dropVoice();
        if (!m_com)
            m_com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
        const HRESULT made = CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice,
                                              reinterpret_cast<void**>(m_voice.GetAddressOf()));
        if (FAILED(made)) {
            announce(false,
                     QStringLiteral("SAPI's voice could not be made (%1)").arg(errorCode(made)));
            return;
        }
        m_tokens = std::make_unique<ComTokenSource>();
        const QList<SapiVoice> listed = listSapiVoices(*m_tokens);
        m_ids.clear();
        for (const SapiVoice& voice : listed)
            m_ids.insert(voice.token.name, voice.token.id);
        const QList<InstalledVoice> installed = installedVoices(listed);
        m_installed = installed;
        QList<QLocale> locales;
        for (const InstalledVoice& voice : installed)
            locales << voice.locale;
        emit languagesKnown(spokenLanguages(locales));
        m_selectable = selectableVoices(installed);
        const std::optional<VoicePick> pick = pickVoice(installed, m_preferred);
        if (!pick) {
            announce(false, noFrenchVoiceProblem());
            return;
        }
        // The pick first, then the others best first: the first whose engine can be made.
        QStringList order = m_selectable;
        order.removeAll(pick->name);
        order.prepend(pick->name);
        const auto usable = std::find_if(order.begin(), order.end(),
                                         [this](const QString& name) { return canMake(name); });
        if (usable == order.end()) {
            emit voicesKnown(m_selectable, QString());
            announce(false, QStringLiteral("no French voice can be used: SAPI cannot make the "
                                           "speech engine of any"));
            return;
        }
        m_voice->SetInterest(SPFEI(SPEI_START_INPUT_STREAM) | SPFEI(SPEI_END_INPUT_STREAM),
                             SPFEI(SPEI_START_INPUT_STREAM) | SPFEI(SPEI_END_INPUT_STREAM));
        m_voice->SetNotifyWin32Event();
        m_events = new QWinEventNotifier(m_voice->GetNotifyEventHandle(), this);
        connect(m_events, &QWinEventNotifier::activated, this, &SapiWorker::readEvents);
        if (!use(*usable)) {
            announce(false, QStringLiteral("SAPI would not take the voice \"%1\"").arg(*usable));
            return;
        }
        m_up = true;
        qCWarning(lcSpeech).noquote()
            << speechReadyLine(QStringLiteral("windows-sapi"), m_pick, clock.elapsed());
        speakIn(m_language); // a deck in another language may be playing
        announce(true, QString());
    }

    Q_INVOKABLE void setLocale(const QLocale& locale) {
        m_language = locale.language();
        if (m_up)
            speakIn(m_language);
    }

    Q_INVOKABLE void setVoice(const QString& name) {
        m_preferred = name;
        if (!m_up || name == m_frenchName)
            return;
        if (!m_ids.contains(name) || !canMake(name) || !use(name))
            emit voicesKnown(m_selectable, m_frenchName); // the menu goes back to the one in use
    }

    Q_INVOKABLE void say(quint64 number, const QString& text, bool slowly) {
        if (number != m_newest->load() || !m_up)
            return;
        const long rate = qRound(m_pick.tuning.rate * 10) - (slowly ? kSlowerSteps : 0);
        m_voice->SetRate(std::clamp(rate, -10L, 10L));
        ULONG stream = 0;
        const HRESULT spoken = m_voice->Speak(
            qUtf16Printable(text), SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_NOT_XML, &stream);
        if (FAILED(spoken)) {
            breakDown(QStringLiteral("SAPI could not read with \"%1\" (%2)")
                          .arg(m_pick.name, errorCode(spoken)));
            return;
        }
        m_stream = stream;
        m_speaking = true;
        m_heardStart = false;
        if (!text.trimmed().isEmpty())
            m_beginWatch->start(kBeginLimitMs);
    }

    Q_INVOKABLE void stop() {
        m_speaking = false;
        m_beginWatch->stop();
        if (m_up)
            m_voice->Speak(L"", SPF_ASYNC | SPF_PURGEBEFORESPEAK, nullptr);
    }

private:
    void announce(bool ok, const QString& problem) {
        *m_bringingUp = false;
        emit availabilityKnown(ok, problem);
    }

    // Whether SAPI can make the voice's speech engine: a token left by an engine that was
    // removed names one that is gone. Said once for each such voice.
    bool canMake(const QString& name) {
        ISpObjectToken* token = m_tokens->token(m_ids.value(name));
        ComPtr<IUnknown> engine;
        const HRESULT made =
            token ? token->CreateInstance(nullptr, CLSCTX_ALL, IID_IUnknown,
                                          reinterpret_cast<void**>(engine.GetAddressOf()))
                  : E_POINTER;
        if (SUCCEEDED(made))
            return true;
        if (!m_toldUnusable.contains(name))
            qCWarning(lcSpeech).noquote()
                << QStringLiteral("the voice \"%1\" cannot be used: SAPI cannot make its speech "
                                  "engine (%2)")
                       .arg(name, errorCode(made));
        m_toldUnusable.insert(name);
        return false;
    }

    // The learner's French voice: read with at once unless a deck in another language plays.
    bool use(const QString& name) {
        if ((m_language == QLocale::French || !m_up) && !apply(name))
            return false;
        m_frenchName = name;
        emit voicesKnown(m_selectable, name);
        return true;
    }

    bool apply(const QString& name) {
        if (FAILED(m_voice->SetVoice(m_tokens->token(m_ids.value(name)))))
            return false;
        m_pick = {name, tuningFor(name)};
        m_voice->SetVolume(USHORT(qRound(m_pick.tuning.volume * 100)));
        return true;
    }

    // French is read with the learner's voice; another language with its own best voice, named
    // on stderr, or with the French voice where none can read it.
    void speakIn(QLocale::Language language) {
        if (language == QLocale::French) {
            if (m_pick.name != m_frenchName)
                apply(m_frenchName);
            return;
        }
        const std::optional<VoicePick> pick = pickVoiceFor(m_installed, language);
        if (pick && canMake(pick->name) && apply(pick->name)) {
            qCWarning(lcSpeech).noquote() << otherLanguageVoiceLine(m_pick, language);
            return;
        }
        if (m_pick.name != m_frenchName)
            apply(m_frenchName);
        qCWarning(lcSpeech).noquote()
            << QStringLiteral("no voice reads %1: the French voice reads the deck")
                   .arg(QLocale::languageToString(language));
    }

    // Only the end of the reading begun last counts: one cut short by it ends with its own
    // stream number.
    void readEvents() {
        SPEVENT event;
        ULONG fetched = 0;
        while (m_voice && SUCCEEDED(m_voice->GetEvents(1, &event, &fetched)) && fetched == 1) {
            if (!m_speaking || event.ulStreamNum != m_stream)
                continue;
            if (event.eEventId == SPEI_START_INPUT_STREAM) {
                m_heardStart = true;
                m_beginWatch->stop();
            } else if (event.eEventId == SPEI_END_INPUT_STREAM && m_heardStart) {
                m_speaking = false;
                emit finished();
            }
        }
    }

    void breakDown(const QString& why) {
        if (!m_up)
            return;
        m_up = false;
        m_speaking = false;
        m_beginWatch->stop();
        emit failed(why);
    }

    void dropVoice() {
        m_up = false;
        m_speaking = false;
        m_beginWatch->stop();
        delete m_events;
        m_events = nullptr;
        if (m_voice)
            m_voice->Speak(L"", SPF_ASYNC | SPF_PURGEBEFORESPEAK, nullptr);
        m_voice.Reset();
        m_tokens.reset();
    }

    bool m_com = false;
    ComPtr<ISpVoice> m_voice;
    std::unique_ptr<ComTokenSource> m_tokens;
    QWinEventNotifier* m_events = nullptr;
    QTimer* m_beginWatch = new QTimer(this);
    QString m_preferred;
    std::shared_ptr<std::atomic<quint64>> m_newest;
    std::shared_ptr<std::atomic<bool>> m_bringingUp;
    QHash<QString, QString> m_ids; // the token of each voice by name
    QList<InstalledVoice> m_installed;
    QLocale::Language m_language = QLocale::French;
    QString m_frenchName; // the learner's French voice; m_pick is the one reading now
    QStringList m_selectable;
    QSet<QString> m_toldUnusable;
    VoicePick m_pick;
    ULONG m_stream = 0; // the number SAPI gave the reading begun last
    bool m_up = false;
    bool m_speaking = false;
    bool m_heardStart = false;
};

SapiSpeechEngine::SapiSpeechEngine(QObject* parent) : ThreadedSpeechEngine(parent) {}

SpeechThreadWorker* SapiSpeechEngine::makeWorker() {
    return new SapiWorker(m_locale, m_voice, m_newest, m_bringingUp);
}

bool SapiSpeechEngine::available() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT,
                      L"CLSID\\{96749377-3391-11D2-9EE3-00C04F797396}\\InprocServer32", 0, KEY_READ,
                      &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void SapiSpeechEngine::setLocale(const QLocale& locale) {
    m_locale = locale;
    if (worker())
        QMetaObject::invokeMethod(worker(), "setLocale", Qt::QueuedConnection,
                                  Q_ARG(QLocale, locale));
}

// Our own SAPI engine where SAPI is there; Qt's, whose SAPI plugin lists fewer voices, where not.
std::unique_ptr<SpeechEngine> makeSpeechEngine() {
    if (SapiSpeechEngine::available())
        return std::make_unique<SapiSpeechEngine>();
    return std::make_unique<QtSpeechEngine>();
}

#include "sapi_speech_engine.moc"
