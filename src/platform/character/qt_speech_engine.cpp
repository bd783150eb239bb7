#include "platform/character/qt_speech_engine.h"

#include <QTextToSpeech>
#include <QThread>

// Lives on the engine's thread; everything reaches it through queued calls.
class SpeechWorker : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE void bringUp() {
        m_speech = new QTextToSpeech(this);
        if (m_speech->state() == QTextToSpeech::Error) {
            emit availabilityKnown(false, QStringLiteral("no speech engine could be started (%1)")
                                              .arg(m_speech->errorString()));
            return;
        }
        connect(m_speech, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
            if (state == QTextToSpeech::Ready && m_speaking) {
                m_speaking = false;
                emit finished();
            }
        });
        applyLocale();
    }

    Q_INVOKABLE void setLocale(const QLocale& locale) {
        m_locale = locale;
        if (m_speech)
            applyLocale();
    }

    Q_INVOKABLE void say(const QString& text, double rate) {
        if (!m_speech || m_speech->state() == QTextToSpeech::Error)
            return;
        m_speaking = true;
        m_speech->setRate(rate);
        m_speech->say(text);
    }

    Q_INVOKABLE void stop() {
        if (!m_speech || m_speech->state() == QTextToSpeech::Error)
            return;
        m_speaking = false;
        m_speech->stop();
    }

signals:
    void availabilityKnown(bool ok, const QString& problem);
    void finished();

private:
    void applyLocale() {
        const QString language = QLocale::languageToString(m_locale.language());
        for (const QLocale& available : m_speech->availableLocales()) {
            if (available.language() == m_locale.language()) {
                m_speech->setLocale(available.territory() == m_locale.territory() ? m_locale
                                                                                  : available);
                emit availabilityKnown(true, QString());
                return;
            }
        }
        emit availabilityKnown(false, QStringLiteral("no %1 voice is installed").arg(language));
    }

    QTextToSpeech* m_speech = nullptr;
    QLocale m_locale{QLocale::French, QLocale::France};
    bool m_speaking = false;
};

QtSpeechEngine::QtSpeechEngine(QObject* parent) : SpeechEngine(parent) {}

QtSpeechEngine::~QtSpeechEngine() {
    if (!m_thread)
        return;
    m_thread->quit();
    // A wedged engine must not hold up the end of the program: past a short grace the thread
    // and its worker are left to the operating system.
    if (m_thread->wait(QDeadlineTimer(150)))
        delete m_thread;
}

void QtSpeechEngine::start() {
    if (m_thread)
        return;
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("speech"));
    m_worker = new SpeechWorker;
    m_worker->moveToThread(m_thread);
    QObject::connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &SpeechWorker::availabilityKnown, this, &SpeechEngine::availabilityKnown);
    connect(m_worker, &SpeechWorker::finished, this, &SpeechEngine::finished);
    m_thread->start(QThread::LowPriority);
    QMetaObject::invokeMethod(m_worker, "bringUp", Qt::QueuedConnection);
}

void QtSpeechEngine::setLocale(const QLocale& locale) {
    if (m_worker)
        QMetaObject::invokeMethod(m_worker, "setLocale", Qt::QueuedConnection,
                                  Q_ARG(QLocale, locale));
}

namespace {
constexpr double kNormalRate = 0.0;
// A sentence takes about 30 % longer with speech-dispatcher's espeak-ng voices.
constexpr double kSlowRate = -0.4;
} // namespace

void QtSpeechEngine::say(const QString& text) {
    if (m_worker)
        QMetaObject::invokeMethod(m_worker, "say", Qt::QueuedConnection, Q_ARG(QString, text),
                                  Q_ARG(double, kNormalRate));
}

void QtSpeechEngine::saySlowly(const QString& text) {
    if (m_worker)
        QMetaObject::invokeMethod(m_worker, "say", Qt::QueuedConnection, Q_ARG(QString, text),
                                  Q_ARG(double, kSlowRate));
}

void QtSpeechEngine::stop() {
    if (m_worker)
        QMetaObject::invokeMethod(m_worker, "stop", Qt::QueuedConnection);
}

#include "qt_speech_engine.moc"
