// Real French speech through Qt TextToSpeech and speech-dispatcher with espeak-ng, the audio
// written to a file instead of a sound card (tests/support/speech-to-file).
#include "platform/character/qt_speech_engine.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The daemon started for this test's HOME outlives the test unless it is stopped.
void stopSpeechDispatcher() {
    QFile pid(qEnvironmentVariable("XDG_RUNTIME_DIR") +
              "/speech-dispatcher/pid/speech-dispatcher.pid");
    if (pid.open(QIODevice::ReadOnly))
        QProcess::execute("kill", {QString::fromLatin1(pid.readAll()).trimmed()});
}

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

TEST(RealSpeech, aFrenchSentenceIsSpokenAndItsAudioCaptured) {
    const QString audio = QDir::homePath() + "/spoken.raw";
    ASSERT_EQ(
        QProcess::execute("bash", {DORVANE_SOURCE_DIR "/tests/support/speech-to-file", audio}), 0);

    auto engine = std::make_unique<QtSpeechEngine>();
    QString problem;
    QObject::connect(engine.get(), &SpeechEngine::availabilityKnown,
                     [&](bool ok, const QString& why) { problem = ok ? QString() : why + " "; });
    engine->setLocale(QLocale(QLocale::French, QLocale::France));
    engine->start();
    ASSERT_TRUE(waitFor(*engine, &SpeechEngine::availabilityKnown, 30000))
        << "the engine never said whether it could speak";
    ASSERT_TRUE(problem.isEmpty()) << qPrintable(problem);

    engine->say(QStringLiteral("Bonjour, madame! Vous allez bien?  "));
    EXPECT_TRUE(waitFor(*engine, &SpeechEngine::finished, 30000));
    EXPECT_GT(QFileInfo(audio).size(), 10000) << "no audio was produced";
    engine.reset();
    stopSpeechDispatcher();
}

} // namespace
