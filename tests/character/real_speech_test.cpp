// Real French speech through Qt TextToSpeech and speech-dispatcher with espeak-ng, the audio
// written to a file instead of a sound card (tests/support/speech-to-file).
#include "platform/character/qt_speech_engine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// The daemon started for this test's HOME outlives the test unless it is stopped.
void stopSpeechDispatcher() {
    QFile pid(qEnvironmentVariable("XDG_RUNTIME_DIR") +
              "/speech-dispatcher/pid/speech-dispatcher.pid");
    if (pid.open(QIODevice::ReadOnly))
        QProcess::execute("kill", {QString::fromLatin1(pid.readAll()).trimmed()});
}

TEST(RealSpeech, aFrenchSentenceIsSpokenAndItsAudioCaptured) {
    const QString audio = QDir::homePath() + "/spoken.raw";
    ASSERT_EQ(
        QProcess::execute("bash", {DORVANE_SOURCE_DIR "/tests/support/speech-to-file", audio}), 0);

    auto engine = std::make_unique<QtSpeechEngine>();
    QSignalSpy availability(engine.get(), &SpeechEngine::availabilityKnown);
    QSignalSpy finished(engine.get(), &SpeechEngine::finished);
    engine->setLocale(QLocale(QLocale::French, QLocale::France));
    engine->start();
    ASSERT_TRUE(!availability.isEmpty() || availability.wait(30000))
        << "the engine never said whether it could speak";
    ASSERT_TRUE(availability[0][0].toBool()) << qPrintable(availability[0][1].toString());

    engine->say(QStringLiteral("Bonjour, madame! Vous allez bien?  "));
    EXPECT_TRUE(!finished.isEmpty() || finished.wait(30000));
    EXPECT_GT(QFileInfo(audio).size(), 10000) << "no audio was produced";
    engine.reset();
    stopSpeechDispatcher();
}

} // namespace
