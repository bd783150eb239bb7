// Peedy's request queue: order, hidden behaviour, errors. Frames are stepped by hand.
#include "fakes/fake_speech_engine.h"
#include "platform/character/character_window.h"
#include "platform/character/desktop_agent.h"
#include "platform/character/peedy_character.h"

#include <QCoreApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

class Peedy : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(agent.Characters().Load("Peedy", QVariant()).ok());
        peedy = agent.peedy();
        ASSERT_NE(peedy, nullptr);
        ASSERT_EQ(agent.Characters()("Peedy"), peedy);
    }

    // Lets queued requests start, then runs frames until the current request ends.
    void settle() {
        QCoreApplication::processEvents();
        for (int i = 0; i < 50 && peedy->busy(); ++i) {
            if (peedy->window().balloonShown())
                return; // a Speak ends when the engine finishes, not by frames
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

TEST_F(Peedy, requestsRunOneAfterAnotherInTheOrderMade) {
    engine->becomeAvailable();
    EXPECT_TRUE(peedy->Show().ok());
    EXPECT_TRUE(peedy->Speak("Bonjour!  ").ok());
    EXPECT_TRUE(peedy->Play("Wave").ok());
    EXPECT_TRUE(peedy->Speak("Salut!").ok());
    EXPECT_EQ(engine->said, QStringList()) << "nothing runs inside the caller's call";

    settle(); // the show transition, then the first sentence starts
    EXPECT_TRUE(peedy->window().isVisible());
    EXPECT_EQ(engine->said, QStringList({"Bonjour!  "})) << "trailing blanks passed as they are";
    EXPECT_EQ(peedy->window().balloonText(), "Bonjour!  ");
    peedy->step();
    EXPECT_TRUE(peedy->window().frame().startsWith("talk")) << "the beak moves while it speaks";
    EXPECT_EQ(peedy->pending(), 2u);

    engine->finishUtterance();
    EXPECT_FALSE(peedy->window().balloonShown());
    QCoreApplication::processEvents();
    peedy->step();
    EXPECT_TRUE(peedy->window().frame().startsWith("wave"));
    EXPECT_EQ(engine->said.size(), 1) << "the wave comes before the next sentence";

    settle();
    EXPECT_EQ(engine->said, QStringList({"Bonjour!  ", "Salut!"}));
    engine->finishUtterance();
    settle();
    EXPECT_FALSE(peedy->busy());
    EXPECT_EQ(peedy->window().frame(), "idle");
}

TEST_F(Peedy, hiddenCharacterAcceptsButDropsSpeechAndGestures) {
    engine->becomeAvailable();
    EXPECT_FALSE(peedy->Visible());
    EXPECT_TRUE(peedy->Speak("Personne ne m’entend.  ").ok());
    EXPECT_TRUE(peedy->Play("Wave").ok());
    settle();
    EXPECT_TRUE(engine->said.isEmpty());
    EXPECT_FALSE(peedy->window().balloonShown());
    EXPECT_FALSE(peedy->busy());

    peedy->Show();
    settle();
    peedy->Hide();
    peedy->Speak("Trop tard.  ");
    settle();
    EXPECT_FALSE(peedy->window().isVisible());
    EXPECT_FALSE(peedy->Visible());
    EXPECT_TRUE(engine->said.isEmpty());
    EXPECT_FALSE(peedy->busy());
}

TEST_F(Peedy, withoutAVoiceTheBalloonStillShowsAndTheCallerHearsWhy) {
    engine->fail("no French voice is installed");
    peedy->Show();
    settle();
    const AgentResult result = peedy->Speak("Bonjour!  ");
    EXPECT_EQ(result.error, "no French voice is installed");
    QCoreApplication::processEvents();
    EXPECT_EQ(peedy->window().balloonText(), "Bonjour!  ");
    EXPECT_TRUE(engine->said.isEmpty());
    peedy->step();
    EXPECT_EQ(peedy->window().frame(), "idle") << "no beak moving without a voice";
    peedy->speakingTimedOut(); // the sentence's time is up
    EXPECT_FALSE(peedy->window().balloonShown());
    EXPECT_FALSE(peedy->busy());
}

TEST_F(Peedy, aSentenceTheEngineNeverFinishesEndsOnTimeAndTheQueueGoesOn) {
    engine->becomeAvailable();
    peedy->Show();
    settle();
    peedy->Speak("Bonjour!  ");
    peedy->Speak("Au revoir!  ");
    QCoreApplication::processEvents();
    peedy->speakingTimedOut();
    QCoreApplication::processEvents();
    EXPECT_EQ(engine->said, QStringList({"Bonjour!  ", "Au revoir!  "}));
    EXPECT_GT(PeedyCharacter::speakingLimitMs(QString(119, 'a')),
              PeedyCharacter::speakingLimitMs("Oui."));
    EXPECT_LT(PeedyCharacter::speakingLimitMs(QString(119, 'a')), 15000);
}

TEST_F(Peedy, unknownAnimationsLanguagesAndABacklogAreRefused) {
    EXPECT_FALSE(peedy->Play("Dance").ok());
    EXPECT_FALSE(peedy->setLanguageID(9999).ok());
    EXPECT_TRUE(peedy->setLanguageID(1036).ok());
    EXPECT_EQ(peedy->LanguageID(), 1036);
    ASSERT_FALSE(engine->locales.isEmpty());
    EXPECT_EQ(engine->locales.back(), QLocale(QLocale::French, QLocale::France));

    peedy->Show();
    int refused = 0;
    for (int i = 0; i < 40; ++i)
        refused += peedy->Play("Wave").ok() ? 0 : 1;
    EXPECT_GT(refused, 0) << "the queue is bounded";
}

TEST(DesktopAgentLoading, unknownCharactersAndMissingArtAreErrors) {
    DesktopAgent agent(":/art/peedy", [] { return std::make_unique<FakeSpeechEngine>(); });
    EXPECT_EQ(agent.Characters()("Peedy"), nullptr) << "nothing before it is loaded";
    EXPECT_FALSE(agent.Characters().Load("Merlin", QVariant()).ok());

    DesktopAgent artless("/no/such/folder", [] { return std::make_unique<FakeSpeechEngine>(); });
    EXPECT_FALSE(artless.Characters().Load("Peedy", QVariant()).ok());
    AgentCharacter* peedy = artless.Characters()("Peedy");
    ASSERT_NE(peedy, nullptr);
    EXPECT_FALSE(peedy->Show().ok());
}

TEST(CharacterWindowPlacement, standsInTheBottomRightCornerAndNeverTakesTheFocus) {
    CharacterWindow window(":/art/peedy", PeedyCharacter::frameNames());
    EXPECT_TRUE(window.problems().isEmpty());
    const QRect area = window.screen()->availableGeometry();
    EXPECT_LE(window.geometry().right(), area.right());
    EXPECT_LE(window.geometry().bottom(), area.bottom());
    EXPECT_LT(area.right() - window.geometry().right(), 40);
    EXPECT_LT(area.bottom() - window.geometry().bottom(), 40);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(window.testAttribute(Qt::WA_TranslucentBackground));
}

} // namespace
