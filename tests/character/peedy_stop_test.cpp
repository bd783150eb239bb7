// Stopping Peedy mid-sentence, and reading a sentence slowly.
#include "fakes/fake_speech_engine.h"
#include "platform/character/character_window.h"
#include "platform/character/desktop_agent.h"
#include "platform/character/peedy_character.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

class PeedyStop : public ::testing::Test {
protected:
    void SetUp() override {
        agent.Characters().Load("Peedy", QVariant());
        peedy = agent.peedy();
        engine->becomeAvailable();
    }
    void settle() {
        QCoreApplication::processEvents();
        for (int i = 0; i < 50 && peedy->busy() && !peedy->window().balloonShown(); ++i) {
            peedy->step();
            QCoreApplication::processEvents();
        }
    }

    FakeSpeechEngine* engine = nullptr;
    DesktopAgent agent{":/art/peedy", [this] {
                           auto made = std::make_unique<FakeSpeechEngine>();
                           engine = made.get();
                           return made;
                       }};
    PeedyCharacter* peedy = nullptr;
};

TEST_F(PeedyStop, stopSilencesTheSentenceAndDropsWhatWasQueuedButNotShowingOrHiding) {
    peedy->Show();
    peedy->Speak("Bonjour!  ");
    peedy->Play("Wave");
    peedy->Speak("Salut!");
    settle();
    ASSERT_TRUE(peedy->window().balloonShown());

    EXPECT_TRUE(peedy->Stop().ok());
    EXPECT_EQ(engine->stops, 1) << "the voice stops at once";
    EXPECT_FALSE(peedy->window().balloonShown());
    EXPECT_EQ(peedy->window().frame(), "idle");
    settle();
    EXPECT_FALSE(peedy->busy()) << "the queued gesture and sentence are gone";
    EXPECT_EQ(engine->said, QStringList({"Bonjour!  "}));

    peedy->Hide();
    peedy->Stop();
    settle();
    while (peedy->busy())
        peedy->step();
    EXPECT_FALSE(peedy->Visible()) << "a hide asked for before the stop still happens";
}

TEST_F(PeedyStop, slowSpeechUsesTheSlowVoiceAndALongerBalloon) {
    peedy->Show();
    peedy->SpeakSlowly("Comment allez-vous?");
    settle();
    EXPECT_EQ(engine->said, QStringList({"slowly:Comment allez-vous?"}));
    EXPECT_GT(PeedyCharacter::speakingLimitMs("Comment allez-vous?", true),
              PeedyCharacter::speakingLimitMs("Comment allez-vous?") * 5 / 4);
}

} // namespace
