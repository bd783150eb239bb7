// Peedy reading without a balloon, and how long it counts as speaking.
#include "fakes/fake_speech_engine.h"
#include "platform/character/character_window.h"
#include "platform/character/desktop_agent.h"
#include "platform/character/peedy_character.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

TEST(PeedyListening, speaksWithoutBalloonAndCountsAsSpeakingFromRequestToEnd) {
    FakeSpeechEngine* engine = nullptr;
    DesktopAgent agent(":/art/peedy", [&] {
        auto made = std::make_unique<FakeSpeechEngine>();
        engine = made.get();
        return made;
    });
    ASSERT_TRUE(agent.Characters().Load("Peedy", QVariant()).ok());
    PeedyCharacter& peedy = *agent.peedy();
    engine->becomeAvailable();
    peedy.Show();
    EXPECT_TRUE(peedy.SpeakWithoutBalloon("Bonjour!  ").ok());
    peedy.Play("Wave");
    EXPECT_TRUE(peedy.Speaking()) << "from the request on, while it waits behind Show";
    for (int i = 0; i < 20 && engine->said.isEmpty(); ++i) {
        QCoreApplication::processEvents();
        peedy.step();
    }
    EXPECT_EQ(engine->said, QStringList({"Bonjour!  "}));
    EXPECT_FALSE(peedy.window().balloonShown());
    EXPECT_TRUE(peedy.Speaking());
    engine->finishUtterance();
    EXPECT_FALSE(peedy.Speaking()) << "the wave after it is no reading";
}

} // namespace
