// Peedy and a speech engine that is slow to come up, breaks down, or is switched to another
// voice: only the sentence on the bar is ever read, and speech comes back by itself.
#include "fakes/fake_settings_store.h"
#include "fakes/fake_speech_engine.h"
#include "platform/character/character_window.h"
#include "platform/character/desktop_agent.h"
#include "platform/character/peedy_character.h"
#include "platform/character/peedy_voice_choice.h"
#include "platform/voice_choice.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

class SpeechRecovery : public ::testing::Test {
protected:
    void SetUp() override { fresh(); }

    // A newly loaded character with a newly made engine, still starting.
    void fresh() {
        agent = std::make_unique<DesktopAgent>(":/art/peedy", [this] {
            auto made = std::make_unique<FakeSpeechEngine>();
            engine = made.get();
            return made;
        });
        agent->setSentenceOnBar([this] { return onBar; });
        ASSERT_TRUE(agent->Characters().Load("Peedy", QVariant()).ok());
        peedy = agent->peedy();
        peedy->setClock([this] { return now; });
        peedy->Show();
        run();
    }

    // Lets queued requests start and the character's frames run until it waits or reads.
    void run() {
        QCoreApplication::processEvents();
        for (int i = 0; i < 50 && peedy->busy() && !peedy->window().balloonShown(); ++i) {
            peedy->step();
            QCoreApplication::processEvents();
        }
    }

    void speak(const QString& sentence) {
        onBar = sentence;
        peedy->Speak(sentence);
        run();
    }

    FakeSpeechEngine* engine = nullptr;
    std::unique_ptr<DesktopAgent> agent;
    PeedyCharacter* peedy = nullptr;
    QString onBar;
    qint64 now = 0;
};

TEST_F(SpeechRecovery, aSentenceDueWhileTheEngineStartsIsReadOnceItIsUpIfStillOnTheBar) {
    struct Case {
        const char* what;
        QStringList spoken;   // the sentences handed over while the engine starts
        QString barWhenReady; // empty: the last sentence handed over
        QStringList expected;
    };
    const Case cases[] = {
        {"read when the engine is up", {"Bonjour!  "}, "", {"Bonjour!  "}},
        {"the bar moved on", {"Bonjour!  "}, "Merci.  ", {}},
        {"only the newest of several", {"Un.", "Deux.", "Trois."}, "", {"Trois."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fresh();
        for (const QString& sentence : c.spoken)
            speak(sentence);
        EXPECT_TRUE(engine->said.isEmpty());
        peedy->step();
        EXPECT_EQ(peedy->window().frame(), "idle") << "no beak moving before the voice";
        EXPECT_TRUE(peedy->busy()) << "a waiting sentence counts as being read";
        if (!c.barWhenReady.isEmpty())
            onBar = c.barWhenReady;
        engine->becomeAvailable();
        EXPECT_EQ(engine->said, c.expected);
        EXPECT_EQ(peedy->busy(), !c.expected.isEmpty());
    }
}

TEST_F(SpeechRecovery, aNewSentenceCutsShortTheOneBeingReadAndDropsQueuedOnes) {
    engine->becomeAvailable();
    speak("Premier.");
    peedy->Play("Wave");
    peedy->Speak("Deuxième."); // queued behind the wave
    onBar = "Troisième.";
    peedy->Speak("Troisième.");
    EXPECT_EQ(engine->stops, 1);
    run(); // the wave, then the newest sentence
    EXPECT_EQ(engine->said, QStringList({"Premier.", "Troisième."}));
}

TEST_F(SpeechRecovery, aBrokenEngineIsStartedAgainOnALaterSentenceAtMostEveryThirtySeconds) {
    engine->becomeAvailable();
    speak("Un.");
    engine->breakDown();
    engine->breakDown(); // one failure, however often reported
    enum Answer { None, Fails, ComesBack };
    struct Step {
        qint64 at;
        int startsAfter;
        Answer answer; // what a restarted engine says
    };
    // The first start was at 0: a restart is due 30 s after the last start, even a failed one.
    const Step steps[] = {{10000, 1, None},
                          {29999, 1, None},
                          {30000, 2, Fails},
                          {45000, 2, None},
                          {60000, 3, ComesBack}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.at);
        now = step.at;
        speak(QString::number(step.at));
        EXPECT_EQ(engine->starts, step.startsAfter);
        if (step.answer == Fails)
            engine->fail("speech-dispatcher could not be reached");
        else if (step.answer == ComesBack)
            engine->becomeAvailable();
    }
    EXPECT_EQ(engine->said, QStringList({"Un.", "60000"})) << "read once the engine is back";
}

TEST_F(SpeechRecovery, choosingAVoiceSwitchesRemembersItAndRereadsTheBar) {
    FakeSettingsStore store;
    PeedyVoiceChoice choice(*peedy, store);
    int changes = 0;
    QObject::connect(&choice, &VoiceChoice::voicesChanged, [&] { ++changes; });
    engine->becomeAvailable();
    emit engine->voicesKnown({"virginie", "French (France)"}, "virginie");
    EXPECT_EQ(choice.voices(), QStringList({"virginie", "French (France)"}));
    speak("Bonjour!  ");

    choice.chooseVoice("Klingon");         // not installed
    choice.chooseVoice("virginie");        // already in use
    choice.chooseVoice("French (France)"); // a real change
    EXPECT_EQ(engine->voices, QStringList({"French (France)"}));
    EXPECT_EQ(choice.currentVoice(), "French (France)");
    EXPECT_EQ(storedVoice(store), "French (France)");
    EXPECT_GE(changes, 2);
    run();
    EXPECT_EQ(engine->said, QStringList({"Bonjour!  ", "Bonjour!  "}));
}

} // namespace
