// Real French speech through Qt TextToSpeech and speech-dispatcher with espeak-ng, the audio
// written to a file instead of a sound card (tests/support/speech-to-file).
#include "platform/character/qt_speech_engine.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

constexpr int kEngineStartMs = 120000; // speech-dispatcher lists every espeak-ng variant
constexpr int kSentenceMs = 30000;

QString home() {
    return QDir::homePath();
}

bool configureSpeechDispatcher(const QString& audioFile) {
    return QProcess::execute("bash",
                             {DORVANE_SOURCE_DIR "/tests/support/speech-to-file", audioFile}) == 0;
}

// The daemon this test's HOME started, by its pid file: never by name.
QString speechDispatcherPid() {
    QFile pid(qEnvironmentVariable("XDG_RUNTIME_DIR") +
              "/speech-dispatcher/pid/speech-dispatcher.pid");
    return pid.open(QIODevice::ReadOnly) ? QString::fromLatin1(pid.readAll()).trimmed() : QString();
}

// Ends the daemon and waits until it is gone.
bool stopSpeechDispatcher() {
    const QString pid = speechDispatcherPid();
    if (pid.isEmpty())
        return false;
    QProcess::execute("kill", {pid});
    for (int i = 0; i < 100; ++i) {
        if (QProcess::execute("kill", {"-0", pid}) != 0)
            return true;
        QThread::msleep(50);
    }
    return false;
}

// Standard error into a file while it lives, to read what the engine reported.
class CapturedStderr {
public:
    explicit CapturedStderr(QString path) : m_path(std::move(path)) {
        std::fflush(stderr);
        m_saved = dup(STDERR_FILENO);
        const int file =
            open(QFile::encodeName(m_path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(file, STDERR_FILENO);
        close(file);
    }
    ~CapturedStderr() {
        std::fflush(stderr);
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
    }
    QString text() const {
        std::fflush(stderr);
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    QString m_path;
    int m_saved = -1;
};

template <typename Signal> bool waitFor(QtSpeechEngine& engine, Signal signal, int milliseconds) {
    QEventLoop loop;
    bool happened = false;
    QObject::connect(&engine, signal, &loop, [&] {
        happened = true;
        loop.quit();
    });
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    return happened;
}

TEST(RealSpeech, aFrenchSentenceIsSpokenAndSpeechComesBackAfterTheDaemonDies) {
    std::signal(SIGPIPE, SIG_IGN); // as the program does: a dead daemon's socket
    const QString audio = home() + "/spoken.raw";
    ASSERT_TRUE(configureSpeechDispatcher(audio));
    CapturedStderr errors(home() + "/stderr.txt");

    auto engine = std::make_unique<QtSpeechEngine>();
    bool available = false;
    QString problem;
    QObject::connect(engine.get(), &SpeechEngine::availabilityKnown,
                     [&](bool ok, const QString& why) {
                         available = ok;
                         problem = why;
                     });
    engine->setLocale(QLocale(QLocale::French, QLocale::France));
    engine->start();
    ASSERT_TRUE(waitFor(*engine, &SpeechEngine::availabilityKnown, kEngineStartMs))
        << "the engine never said whether it could speak";
    ASSERT_TRUE(available) << qPrintable(problem);
    EXPECT_TRUE(errors.text().contains(QRegularExpression(
        R"re(speech: engine speechd, voice "French \(France\)" \(espeak-ng\), ready in \d+\.\d s)re")))
        << qPrintable(errors.text());

    engine->say(QStringLiteral("Bonjour, madame! Vous allez bien?  "));
    EXPECT_TRUE(waitFor(*engine, &SpeechEngine::finished, kSentenceMs));
    EXPECT_GT(QFileInfo(audio).size(), 10000) << "no audio was produced";

    // The daemon dies: the next sentence finds out (a slow one changes the rate first, which
    // libspeechd does not survive on a dead connection), and a fresh engine reads a later one.
    ASSERT_TRUE(stopSpeechDispatcher());
    QFile::remove(audio);
    engine->saySlowly(QStringLiteral("Personne ne m’entend.  "));
    ASSERT_TRUE(waitFor(*engine, &SpeechEngine::failed, kSentenceMs))
        << "the engine did not notice its daemon was gone";
    engine->start();
    ASSERT_TRUE(waitFor(*engine, &SpeechEngine::availabilityKnown, kEngineStartMs));
    ASSERT_TRUE(available) << qPrintable(problem);
    engine->say(QStringLiteral("Me revoilà, madame.  "));
    EXPECT_TRUE(waitFor(*engine, &SpeechEngine::finished, kSentenceMs));
    EXPECT_GT(QFileInfo(audio).size(), 10000) << "nothing heard after the daemon came back";

    engine.reset();
    stopSpeechDispatcher();
}

} // namespace
