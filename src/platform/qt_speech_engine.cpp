#include "platform/qt_speech_engine.h"

#include "core/logging.h"
#include "core/voice/voice_preferences.h"
#include "platform/os_services.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QLocalSocket>
#include <QTextToSpeech>
#include <QThread>
#include <QTimer>

namespace {
// A reading the engine took but never began: its daemon has lost the means to speak (an output
// module that died or was removed), though it still answers.
constexpr int kBeginLimitMs = 5000;
} // namespace

// Lives on the engine's thread; everything reaches it through queued calls.
class SpeechWorker : public SpeechThreadWorker {
    Q_OBJECT
public:
    SpeechWorker(QLocale locale, QString voice, std::shared_ptr<std::atomic<quint64>> newest,
                 std::shared_ptr<std::atomic<bool>> bringingUp)
        : m_locale(std::move(locale)), m_preferred(std::move(voice)), m_newest(std::move(newest)),
          m_bringingUp(std::move(bringingUp)) {
        m_beginWatch->setSingleShot(true);
        connect(m_beginWatch, &QTimer::timeout, this, &SpeechWorker::checkBegun);
    }

    Q_INVOKABLE void bringUp() {
        QElapsedTimer clock;
        clock.start();
        dropEngine();
        // A daemon that took readings without reading them is replaced, where this program
        // started it: only a fresh one loads its output modules again.
        if (m_replaceDaemon && m_ownDaemon != 0 && speechDaemonProcess() == m_ownDaemon &&
            askProcessToEnd(m_ownDaemon))
            m_daemonLeaving = true;
        m_ownDaemon = 0;
        const QString socket = speechDaemonSocket();
        // A daemon shutting down still takes connections for a moment, with its voices already
        // gone: the fresh engine waits until it has gone, and then finds (or starts) a new one.
        while (m_daemonLeaving && daemonAnswers(socket) && clock.elapsed() < 3000)
            QThread::msleep(50);
        m_daemonLeaving = false;
        const bool daemonWasThere = daemonAnswers(socket);
        m_speech = makeSpeech();
        // Known whether the engine works or not: a daemon that has lost its modules is ours to
        // replace all the same.
        if (!daemonWasThere && daemonAnswers(socket))
            m_ownDaemon = speechDaemonProcess();
        if (m_speech->state() == QTextToSpeech::Error) {
            announce(false, QStringLiteral("no speech engine could be started (%1)")
                                .arg(m_speech->errorString()));
            return;
        }
        connect(m_speech, &QTextToSpeech::stateChanged, this, &SpeechWorker::stateChanged);
        connect(m_speech, &QTextToSpeech::errorOccurred, this,
                [this](QTextToSpeech::ErrorReason, const QString& why) { breakDown(why); });
        m_voices.clear();
        emit languagesKnown(spokenLanguages(m_speech->availableLocales()));
        const QList<InstalledVoice> installed = listVoices(QLocale::French);
        const std::optional<VoicePick> pick = pickVoice(installed, m_preferred);
        if (!pick) {
            announce(false, noFrenchVoiceProblem());
            return;
        }
        m_selectable = selectableVoices(installed);
        findDaemonSocket();
        use(*pick);
        m_up = true;
        watchDaemon();
        qCWarning(lcSpeech).noquote()
            << speechReadyLine(m_speech->engine(), *pick, clock.elapsed());
        speakIn(m_locale.language()); // a deck in another language may be playing
        announce(true, QString());
    }

    Q_INVOKABLE void setLocale(const QLocale& locale) {
        m_locale = locale;
        if (m_up && daemonAlive())
            speakIn(locale.language());
    }

    Q_INVOKABLE void setVoice(const QString& name) {
        m_preferred = name;
        if (m_up && m_voices.contains(name) && daemonAlive())
            use({name, tuningFor(name)});
    }

    Q_INVOKABLE void say(quint64 number, const QString& text, bool slowly) {
        // A sentence that waited here while a newer one was handed over is stale. A dead daemon
        // is checked for first: cancelling goes through libspeechd the way settings do.
        if (number != m_newest->load() || !m_up || !daemonAlive())
            return;
        // Whatever the engine still holds goes first, speaking or not: a daemon that stalled
        // would otherwise read sentences handed to it long ago before this one. Cancelling
        // waits for such a daemon to answer, and this sentence may have gone stale meanwhile.
        stop();
        if (number != m_newest->load() || !m_up)
            return;
        if (!setRate(slowly ? slowRate(m_pick.tuning.rate) : m_pick.tuning.rate))
            return;
        m_speaking = true;
        m_heardStart = false;
        if (!text.trimmed().isEmpty())
            m_beginWatch->start(kBeginLimitMs);
        m_speech->say(text);
        if (m_speech->state() == QTextToSpeech::Error)
            breakDown(m_speech->errorString());
    }

    Q_INVOKABLE void stop() {
        m_speaking = false;
        m_beginWatch->stop();
        if (m_up)
            m_speech->stop();
    }

private:
    // The outcome of a bring-up. The flag drops first: whoever hears of a failure may start
    // again at once.
    void announce(bool ok, const QString& problem) {
        *m_bringingUp = false;
        emit availabilityKnown(ok, problem);
    }

    // Qt takes the engine of the highest priority and none that ranks below zero, such as its
    // mock engine: a single engine installed is taken whatever its rank.
    QTextToSpeech* makeSpeech() {
        const QStringList engines = QTextToSpeech::availableEngines();
        return engines.size() == 1 ? new QTextToSpeech(engines.first(), this)
                                   : new QTextToSpeech(this);
    }

    QList<InstalledVoice> listVoices(QLocale::Language language) {
        QList<InstalledVoice> installed;
        // The engine lists the voices of one locale at a time.
        for (const QLocale& locale : m_speech->availableLocales()) {
            if (locale.language() != language)
                continue;
            m_speech->setLocale(locale);
            for (const QVoice& voice : m_speech->availableVoices()) {
                const QLocale where =
                    voice.locale().language() == language ? voice.locale() : locale;
                installed << InstalledVoice{voice.name(), where};
                if (!m_voices.contains(voice.name()))
                    m_voices.insert(voice.name(), {voice, where});
            }
        }
        return installed;
    }

    // The learner's French voice: read with at once unless a deck in another language plays.
    void use(const VoicePick& pick) {
        m_frenchPick = pick;
        if (m_locale.language() == QLocale::French || !m_up)
            apply(pick);
        emit voicesKnown(m_selectable, pick.name);
    }

    void apply(const VoicePick& pick) {
        m_pick = pick;
        const auto& [voice, locale] = m_voices.value(pick.name);
        m_speech->setLocale(locale); // setVoice only takes a voice of the current locale
        m_speech->setVoice(voice);
        m_speech->setVolume(pick.tuning.volume);
        m_speech->setRate(pick.tuning.rate);
        m_rate = pick.tuning.rate;
    }

    // French is read with the learner's voice; another language with its own best voice, named
    // on stderr, or with the French voice where none reads it.
    void speakIn(QLocale::Language language) {
        if (language == QLocale::French) {
            if (m_pick.name != m_frenchPick.name)
                apply(m_frenchPick);
            return;
        }
        const std::optional<VoicePick> pick = pickVoiceFor(listVoices(language), language);
        if (!pick) {
            apply(m_frenchPick); // listing moved the engine's locale
            qCWarning(lcSpeech).noquote()
                << QStringLiteral("no voice reads %1: the French voice reads the deck")
                       .arg(QLocale::languageToString(language));
            return;
        }
        apply(*pick);
        qCWarning(lcSpeech).noquote() << otherLanguageVoiceLine(*pick, language);
    }

    // Changing a setting only when it changes: libspeechd crashes on a setting sent to a
    // daemon that has died, while a sentence sent there merely fails.
    bool setRate(double rate) {
        if (qFuzzyCompare(1.0 + m_rate, 1.0 + rate))
            return true;
        if (!daemonAlive())
            return false;
        m_speech->setRate(rate);
        m_rate = rate;
        return true;
    }

    // The socket speech-dispatcher listens on, when the engine talks to one found there.
    void findDaemonSocket() {
        const QString socket = speechDaemonSocket();
        const bool speechd = m_speech->engine() == QLatin1String("speechd");
        m_daemonSocket = speechd && QFileInfo::exists(socket) ? socket : QString();
    }

    void checkBegun() {
        if (!m_up || !m_speaking || m_heardStart)
            return;
        m_replaceDaemon = true;
        breakDown(QStringLiteral("a sentence handed to it was not begun within %1 s")
                      .arg(kBeginLimitMs / 1000));
    }

    // A connection of its own to the daemon, which closes the moment the daemon dies: the
    // engine is known to be broken then, not only when the next sentence is due.
    void watchDaemon() {
        if (m_daemonSocket.isEmpty())
            return;
        m_watch = new QLocalSocket(this);
        const auto gone = [this] {
            if (!m_up)
                return;
            m_daemonLeaving = true;
            breakDown(QStringLiteral("speech-dispatcher went away"));
        };
        connect(m_watch, &QLocalSocket::disconnected, this, gone);
        connect(m_watch, &QLocalSocket::errorOccurred, this, gone);
        m_watch->connectToServer(m_daemonSocket);
    }

    bool daemonAnswers(const QString& socket) {
        if (socket.isEmpty())
            return true; // nothing known to check
        QLocalSocket probe;
        probe.connectToServer(socket);
        return probe.waitForConnected(500);
    }

    bool daemonAlive() {
        if (daemonAnswers(m_daemonSocket))
            return true;
        breakDown(QStringLiteral("speech-dispatcher cannot be reached"));
        return false;
    }

    void stateChanged(QTextToSpeech::State state) {
        // Only the end of an utterance that was heard starting counts: the Ready that follows
        // cutting the previous sentence short must not end the next one.
        if (state == QTextToSpeech::Speaking && m_speaking) {
            m_heardStart = true;
            m_beginWatch->stop();
            m_replaceDaemon = false; // speech works again
        } else if (state == QTextToSpeech::Ready && m_speaking && m_heardStart) {
            m_speaking = false;
            emit finished();
        } else if (state == QTextToSpeech::Error) {
            breakDown(m_speech->errorString());
        }
    }

    void breakDown(const QString& why) {
        if (!m_up)
            return;
        m_up = false;
        m_speaking = false;
        m_beginWatch->stop();
        emit failed(why.isEmpty() ? QStringLiteral("the speech engine stopped working") : why);
    }

    void dropEngine() {
        m_up = false;
        m_speaking = false;
        m_beginWatch->stop();
        if (m_watch) {
            m_watch->disconnect(this);
            delete m_watch;
            m_watch = nullptr;
        }
        if (m_speech) {
            m_speech->disconnect(this);
            delete m_speech;
            m_speech = nullptr;
        }
    }

    QTextToSpeech* m_speech = nullptr;
    QLocalSocket* m_watch = nullptr;
    QTimer* m_beginWatch = new QTimer(this); // a reading handed over must begin within the limit
    QLocale m_locale;
    QString m_preferred;
    QString m_daemonSocket;
    std::shared_ptr<std::atomic<quint64>> m_newest;
    std::shared_ptr<std::atomic<bool>> m_bringingUp;
    QHash<QString, std::pair<QVoice, QLocale>> m_voices; // the voices listed so far, by name
    QStringList m_selectable;
    VoicePick m_pick;             // the voice reading now
    VoicePick m_frenchPick;       // the learner's French voice
    bool m_up = false;            // brought up, with a French voice, and not broken since
    bool m_daemonLeaving = false; // its connection closed, though it may still take new ones
    double m_rate = 0.0;          // as last set: asking a dead daemon is no safer than telling it
    bool m_speaking = false;
    bool m_heardStart = false;
    qint64 m_ownDaemon = 0;       // the daemon this program started, while it serves the engine
    bool m_replaceDaemon = false; // readings were not begun, and none has been since
};

QtSpeechEngine::QtSpeechEngine(QObject* parent) : ThreadedSpeechEngine(parent) {}

SpeechThreadWorker* QtSpeechEngine::makeWorker() {
    return new SpeechWorker(m_locale, m_voice, m_newest, m_bringingUp);
}

void QtSpeechEngine::setLocale(const QLocale& locale) {
    m_locale = locale;
    if (worker())
        QMetaObject::invokeMethod(worker(), "setLocale", Qt::QueuedConnection,
                                  Q_ARG(QLocale, locale));
}

#include "qt_speech_engine.moc"
