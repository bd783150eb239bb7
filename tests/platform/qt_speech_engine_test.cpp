// Real French speech through Qt TextToSpeech and speech-dispatcher with espeak-ng, the audio
// written to a file instead of a sound card (tests/support/speech-to-file).
#include "platform/qt_speech_engine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QThread>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

constexpr int kEngineStartMs = 120000; // speech-dispatcher lists every espeak-ng variant
constexpr int kSentenceMs = 30000;

bool configureSpeechDispatcher(const QString& audioFile) {
    return QProcess::execute("bash",
                             {DORVANE_SOURCE_DIR "/tests/support/speech-to-file", audioFile}) == 0;
}

// Ends the daemon this test's HOME started, by its pid file (never by name), and waits for it.
bool stopSpeechDispatcher() {
    QFile file(qEnvironmentVariable("XDG_RUNTIME_DIR") +
               "/speech-dispatcher/pid/speech-dispatcher.pid");
    const QString pid = file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QString();
    QProcess::execute("kill", {pid});
    for (int i = 0; i < 100 && !pid.isEmpty(); ++i, QThread::msleep(50))
        if (QProcess::execute("kill", {"-0", pid}) != 0)
            return true;
    return false;
}

// Standard error into a file from here on (gtest's own capture flushes every stream, and
// blocks on libspeechd's, which its reader thread holds).
QString captureStderr() {
    const QString path = QDir::homePath() + "/stderr.txt";
    std::fflush(stderr);
    std::freopen(QFile::encodeName(path).constData(), "w", stderr);
    return path;
}

TEST(RealSpeech, aFrenchSentenceIsSpokenAndADeadDaemonIsNoticedAtOnce) {
    std::signal(SIGPIPE, SIG_IGN); // as the program does: a dead daemon's socket
    const QString audio = QDir::homePath() + "/spoken.raw";
    ASSERT_TRUE(configureSpeechDispatcher(audio));
    QFile errorFile(captureStderr());

    auto engine = std::make_unique<QtSpeechEngine>();
    QSignalSpy known(engine.get(), &SpeechEngine::availabilityKnown);
    QSignalSpy finished(engine.get(), &SpeechEngine::finished);
    QSignalSpy failed(engine.get(), &SpeechEngine::failed);
    engine->setLocale(QLocale(QLocale::French, QLocale::France));
    engine->start();
    ASSERT_TRUE(known.wait(kEngineStartMs)) << "the engine never said whether it could speak";
    ASSERT_TRUE(known.last().at(0).toBool()) << qPrintable(known.last().at(1).toString());
    std::fflush(stderr);
    const QString errors =
        errorFile.open(QIODevice::ReadOnly) ? QString::fromUtf8(errorFile.readAll()) : QString();
    EXPECT_TRUE(errors.contains(QRegularExpression(
        R"re(speech: engine speechd, voice "French \(France\)" \(espeak-ng\), ready in \d+\.\d s)re")))
        << qPrintable(errors);

    engine->say(QStringLiteral("Bonjour, madame! Vous allez bien?  "));
    EXPECT_TRUE(finished.wait(kSentenceMs));
    EXPECT_GT(QFileInfo(audio).size(), 10000) << "no audio was produced";

    // The daemon dies: that is noticed at once, with no sentence sent, and a fresh engine reads
    // a later one.
    ASSERT_TRUE(stopSpeechDispatcher());
    QFile::remove(audio);
    ASSERT_TRUE(failed.wait(3000)) << "the engine did not notice its daemon was gone";
    engine->start();
    ASSERT_TRUE(known.wait(kEngineStartMs));
    ASSERT_TRUE(known.last().at(0).toBool()) << qPrintable(known.last().at(1).toString());
    engine->say(QStringLiteral("Me revoilà, madame.  "));
    EXPECT_TRUE(finished.wait(kSentenceMs));
    EXPECT_GT(QFileInfo(audio).size(), 10000) << "nothing heard after the daemon came back";

    engine.reset();
    stopSpeechDispatcher();
}

} // namespace
