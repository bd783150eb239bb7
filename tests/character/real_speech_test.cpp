// Real French speech through Qt TextToSpeech and speech-dispatcher with espeak-ng, with the
// audio written to a file instead of a sound card: a user-level speech-dispatcher set-up in the
// test's own HOME, and an ALSA default device that writes to a file.
#include "platform/character/qt_speech_engine.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QString home() {
    return QDir::homePath();
}

// Copies the system's speech-dispatcher set-up, sending its sound through ALSA.
bool configureSpeechDispatcher(const QString& audioFile) {
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME") + "/speech-dispatcher";
    QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME"));
    if (QProcess::execute("cp", {"-r", "/etc/speech-dispatcher", config}) != 0)
        return false;
    QFile conf(config + "/speechd.conf");
    if (!conf.open(QIODevice::ReadWrite))
        return false;
    QString text = QString::fromUtf8(conf.readAll());
    text.replace(
        QRegularExpression("^#? *AudioOutputMethod .*$", QRegularExpression::MultilineOption),
        "AudioOutputMethod \"alsa\"");
    conf.resize(0);
    conf.write(text.toUtf8());
    conf.close();

    QFile asound(home() + "/.asoundrc");
    if (!asound.open(QIODevice::WriteOnly))
        return false;
    asound.write(QStringLiteral("pcm.!default {\n  type file\n  slave.pcm \"null\"\n"
                                "  file \"%1\"\n  format \"raw\"\n}\n")
                     .arg(audioFile)
                     .toUtf8());
    return true;
}

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
    const QString audio = home() + "/spoken.raw";
    ASSERT_TRUE(configureSpeechDispatcher(audio));

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
    ASSERT_TRUE(waitFor(*engine, &SpeechEngine::availabilityKnown, 30000))
        << "the engine never said whether it could speak";
    ASSERT_TRUE(available) << qPrintable(problem);

    engine->say(QStringLiteral("Bonjour, madame! Vous allez bien?  "));
    EXPECT_TRUE(waitFor(*engine, &SpeechEngine::finished, 30000));
    EXPECT_GT(QFileInfo(audio).size(), 10000) << "no audio was produced";
    engine.reset();
    stopSpeechDispatcher();
}

} // namespace
