#include "platform/threaded_speech_engine.h"

#include <QDeadlineTimer>
#include <QThread>

ThreadedSpeechEngine::~ThreadedSpeechEngine() {
    if (!m_thread)
        return;
    m_thread->quit();
    // A wedged engine must not hold up the end of the program: past a short grace the thread
    // and its worker are left to the operating system.
    if (m_thread->wait(QDeadlineTimer(150)))
        delete m_thread;
}

void ThreadedSpeechEngine::start() {
    if (!m_thread) {
        m_thread = new QThread;
        m_thread->setObjectName(QStringLiteral("speech"));
        m_worker = makeWorker();
        m_worker->moveToThread(m_thread);
        QObject::connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
        connect(m_worker, &SpeechThreadWorker::availabilityKnown, this,
                &SpeechEngine::availabilityKnown);
        connect(m_worker, &SpeechThreadWorker::voicesKnown, this, &SpeechEngine::voicesKnown);
        connect(m_worker, &SpeechThreadWorker::languagesKnown, this, &SpeechEngine::languagesKnown);
        connect(m_worker, &SpeechThreadWorker::failed, this, &SpeechEngine::failed);
        connect(m_worker, &SpeechThreadWorker::finished, this, &SpeechEngine::finished);
        m_thread->start(QThread::LowPriority);
    }
    // An engine that hangs while coming up (Qt's SAPI plugin under Wine loops forever) holds the
    // thread: asking again would only queue more bring-ups behind it.
    if (m_bringingUp->exchange(true))
        return;
    QMetaObject::invokeMethod(m_worker, "bringUp", Qt::QueuedConnection);
}

void ThreadedSpeechEngine::setVoice(const QString& name) {
    m_voice = name;
    if (m_worker)
        QMetaObject::invokeMethod(m_worker, "setVoice", Qt::QueuedConnection, Q_ARG(QString, name));
}

void ThreadedSpeechEngine::say(const QString& text) {
    send(text, false);
}

void ThreadedSpeechEngine::saySlowly(const QString& text) {
    send(text, true);
}

void ThreadedSpeechEngine::send(const QString& text, bool slowly) {
    const quint64 number = ++*m_newest;
    if (m_worker)
        QMetaObject::invokeMethod(m_worker, "say", Qt::QueuedConnection, Q_ARG(quint64, number),
                                  Q_ARG(QString, text), Q_ARG(bool, slowly));
}

void ThreadedSpeechEngine::stop() {
    ++*m_newest; // whatever is still on its way is not read either
    if (m_worker)
        QMetaObject::invokeMethod(m_worker, "stop", Qt::QueuedConnection);
}
