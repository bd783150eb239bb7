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
    void settle() { // runs queued requests frame by frame up to a sentence being read
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
    peedy->SpeakSlowly("Bonjour!  ");
    settle();
    ASSERT_TRUE(peedy->window().balloonShown());
    EXPECT_EQ(engine->said, QStringList({"slowly:Bonjour!  "}));
    peedy->Play("Wave");

    EXPECT_TRUE(peedy->Stop().ok());
    EXPECT_EQ(engine->stops, 1) << "the voice stops at once";
    EXPECT_FALSE(peedy->window().balloonShown());
    EXPECT_EQ(peedy->window().frame(), "idle");
    settle();
    EXPECT_EQ(peedy->window().frame(), "idle") << "the queued gesture is gone";

    peedy->Hide();
    peedy->Stop();
    settle();
    EXPECT_FALSE(peedy->Visible()) << "a hide asked for before the stop still happens";
}

} // namespace
