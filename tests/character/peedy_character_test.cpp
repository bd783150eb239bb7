// Peedy's request queue: order, hidden behaviour, errors, stopping.
#include "support/peedy_fixture.h"

namespace {

using Peedy = PeedyFixture;

TEST_F(Peedy, requestsRunOneAfterAnotherInTheOrderMadeWithoutTheCallerWaiting) {
    engine->becomeAvailable();
    for (const AgentResult& result :
         {peedy->Show(), peedy->Speak("Bonjour!  "), peedy->Play("Wave")})
        EXPECT_TRUE(result.ok());
    EXPECT_TRUE(engine->said.isEmpty()) << "nothing runs inside the caller's call";

    settle();
    EXPECT_TRUE(peedy->window().isVisible());
    EXPECT_EQ(engine->said, QStringList({"Bonjour!  "})) << "trailing blanks passed as they are";
    EXPECT_EQ(peedy->window().balloonText(), "Bonjour!  ");
    peedy->step();
    EXPECT_TRUE(peedy->window().frame().startsWith("talk")) << "the beak moves while it speaks";

    engine->finishUtterance();
    EXPECT_FALSE(peedy->window().balloonShown());
    QCoreApplication::processEvents();
    peedy->step();
    EXPECT_TRUE(peedy->window().frame().startsWith("wave")) << "the wave before the next sentence";
    peedy->Speak("Salut!");
    settle();
    EXPECT_EQ(engine->said, QStringList({"Bonjour!  ", "Salut!"}));

    // A sentence the engine never finishes ends in time, and the queue goes on.
    engine->finishUtterance();
    peedy->Speak("Encore.");
    peedy->Play("Wave");
    QCoreApplication::processEvents();
    peedy->sentenceEnded();
    QCoreApplication::processEvents();
    peedy->step();
    EXPECT_TRUE(peedy->window().frame().startsWith("wave"));
    EXPECT_LT(PeedyCharacter::speakingLimitMs(QString(119, 'a')), 15000);
}

TEST_F(Peedy, hiddenCharacterAcceptsButDropsSpeechAndGestures) {
    engine->becomeAvailable();
    EXPECT_TRUE(peedy->Speak("Personne ne m’entend.  ").ok());
    EXPECT_TRUE(peedy->Play("Wave").ok());
    settle();
    peedy->Show();
    settle();
    peedy->Hide();
    peedy->Speak("Trop tard.  ");
    settle();
    EXPECT_FALSE(peedy->window().isVisible());
    EXPECT_TRUE(engine->said.isEmpty());
    EXPECT_FALSE(peedy->busy());
}

TEST_F(Peedy, withoutAVoiceTheBalloonStillShowsAndTheCallerHearsWhy) {
    engine->fail("no French voice is installed");
    peedy->Show();
    settle();
    EXPECT_EQ(peedy->Speak("Bonjour!  ").error, "no French voice is installed");
    QCoreApplication::processEvents();
    EXPECT_EQ(peedy->window().balloonText(), "Bonjour!  ");
    peedy->step();
    EXPECT_EQ(peedy->window().frame(), "idle") << "no beak moving without a voice";
    peedy->sentenceEnded();
    EXPECT_FALSE(peedy->window().balloonShown());
}

TEST_F(Peedy, stopSilencesTheSentenceAndDropsWhatWasQueuedButNotShowingOrHiding) {
    engine->becomeAvailable();
    peedy->Show();
    peedy->SpeakSlowly("Bonjour!  ");
    settle();
    ASSERT_TRUE(peedy->window().balloonShown());
    EXPECT_EQ(engine->said, QStringList({"slowly:Bonjour!  "}));
    peedy->Play("Wave");

    EXPECT_TRUE(peedy->Stop().ok());
    EXPECT_EQ(engine->stops, 1) << "the voice stops at once";
    EXPECT_FALSE(peedy->window().balloonShown());
    settle();
    EXPECT_EQ(peedy->window().frame(), "idle") << "the queued gesture is gone";

    peedy->Hide();
    peedy->Stop();
    settle();
    EXPECT_FALSE(peedy->Visible()) << "a hide asked for before the stop still happens";
}

TEST_F(Peedy, refusesUnknownAnimationsLanguagesCharactersMissingArtAndAnEndlessBacklog) {
    EXPECT_FALSE(peedy->Play("Dance").ok());
    EXPECT_FALSE(peedy->setLanguageID(9999).ok());
    EXPECT_TRUE(peedy->setLanguageID(1036).ok());
    EXPECT_EQ(engine->locales.back(), QLocale(QLocale::French, QLocale::France));
    peedy->Show();
    int refused = 0;
    for (int i = 0; i < 40; ++i)
        refused += peedy->Play("Wave").ok() ? 0 : 1;
    EXPECT_GT(refused, 0);

    EXPECT_FALSE(agent->Characters().Load("Merlin", QVariant()).ok());
    DesktopAgent artless("/no/such/folder", [] { return std::make_unique<FakeSpeechEngine>(); });
    EXPECT_EQ(artless.Characters()("Peedy"), nullptr) << "nothing before loading";
    EXPECT_FALSE(artless.Characters().Load("Peedy", QVariant()).ok());
    EXPECT_FALSE(artless.Characters()("Peedy")->Show().ok());
}

} // namespace
