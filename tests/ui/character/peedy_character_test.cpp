// Peedy over a fake speech engine: its request queue, and an engine that is slow, breaks down or
// changes voice (only the sentence on the bar is ever read).
#include "fakes/fake_settings_store.h"
#include "support/peedy_fixture.h"
#include "ui/character/peedy_voice_choice.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

QStringList g_told;

// The lines written on standard error while run runs.
QStringList toldDuring(const std::function<void()>& run) {
    g_told.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& line) { g_told << line; });
    run();
    qInstallMessageHandler(previous);
    return g_told;
}

class SpeechRecovery : public PeedyFixture {
protected:
    void SetUp() override { fresh(); }

    // A newly loaded, shown character whose engine is still starting.
    void fresh() {
        onBar = &playback;
        load();
        peedy->speech().setClock([this] { return now; });
        peedy->show();
        settle();
    }

    void speak(const QString& sentence) {
        putOnBar(sentence);
        peedy->speak(sentence);
        settle();
    }
    void putOnBar(const QString& french) { playback.setSentence(0, french, {}); }

    PlaybackState playback;
    qint64 now = 0;
};

TEST_F(SpeechRecovery, aSentenceDueWhileTheEngineStartsIsReadOnceItIsUpIfStillOnTheBar) {
    struct Case {
        QStringList spoken;   // while the engine starts
        QString barWhenReady; // empty: the last one spoken
        QStringList read;
    };
    const Case cases[] = {{{"Bonjour!  "}, "", {"Bonjour!  "}},
                          {{"Bonjour!  "}, "Merci.", {}},
                          {{"Un.", "Deux.", "Trois."}, "", {"Trois."}}};
    for (const Case& c : cases) {
        fresh();
        for (const QString& sentence : c.spoken)
            speak(sentence);
        peedy->step();
        EXPECT_EQ(peedy->window().frame(), "idle") << "no beak moving before the voice";
        EXPECT_TRUE(peedy->busy()) << "a waiting sentence counts as being read";
        if (!c.barWhenReady.isEmpty())
            putOnBar(c.barWhenReady);
        engine->becomeAvailable();
        EXPECT_EQ(engine->said, c.read);
    }
}

TEST_F(SpeechRecovery, aNewSentenceCutsShortTheOneBeingReadAndDropsQueuedOnes) {
    engine->becomeAvailable();
    speak("Premier.");
    peedy->play("Wave");
    peedy->speak("Deuxième."); // queued behind the wave
    speak("Troisième.");
    EXPECT_EQ(engine->stops, 1);
    EXPECT_EQ(engine->said, QStringList({"Premier.", "Troisième."}));
}

TEST_F(SpeechRecovery, aBrokenEngineIsStartedAgainAtOnceThenAfterLongerWaitsWhileItFails) {
    const QString gone = "the daemon went away", down = "no speech-dispatcher";
    engine->becomeAvailable();
    speak("Un.");
    now = 5000;
    engine->breakDown();
    EXPECT_EQ(engine->starts, 2) << "started again the moment it broke, no sentence needed";
    enum Answer { None, Fails, ComesBack };
    // {time, engine starts so far, what the caller hears (listen-first then shows the text at
    // once), what the started engine says}
    const std::tuple<qint64, int, QString, Answer> steps[] = {
        {6000, 2, gone, Fails}, {7999, 2, down, None},       {8000, 3, down, Fails},
        {11999, 3, down, None}, {12000, 4, down, ComesBack}, {13000, 4, "", None}};
    for (const auto& [at, starts, heard, answer] : steps) {
        now = at;
        peedy->speech().restartIfDue();
        putOnBar(QString::number(at));
        EXPECT_EQ(peedy->speak(playback.french()).error, heard) << at;
        settle();
        EXPECT_EQ(engine->starts, starts) << at;
        if (answer == Fails)
            engine->fail(down);
        else if (answer == ComesBack)
            engine->becomeAvailable();
    }
    EXPECT_EQ(engine->said, QStringList({"Un.", "12000", "13000"}));
}

TEST_F(SpeechRecovery, aFaultThatComesBackWithEachFreshEngineIsToldOnceUntilASentenceIsHeard) {
    engine->becomeAvailable();
    const QStringList told = toldDuring([this] {
        for (int i = 0; i < 3; ++i) {
            engine->breakDown();
            engine->becomeAvailable();
        }
        engine->finishUtterance();
        engine->breakDown();
    });
    EXPECT_EQ(told.size(), 2) << told.join('\n').toStdString();
}

TEST_F(SpeechRecovery, anEngineThatNeverAnswersIsGivenUpAfterTwentySecondsAndStartedAgain) {
    const QString noAnswer = "the engine did not answer within 20 s";
    // {time, engine starts so far, what the caller hears}: the second start comes at once, the
    // third 2 s after the second gave up, and that one answers at 50000.
    const std::tuple<qint64, int, QString> steps[] = {
        {0, 1, ""},           {19999, 1, ""},       {20000, 2, noAnswer}, {39999, 2, noAnswer},
        {40000, 2, noAnswer}, {42000, 3, noAnswer}, {50000, 3, ""}};
    for (const auto& [at, starts, heard] : steps) {
        now = at;
        peedy->speech().restartIfDue();
        putOnBar(QString::number(at));
        if (at == 50000)
            engine->becomeAvailable();
        EXPECT_EQ(peedy->speak(playback.french()).error, heard) << at;
        settle();
        EXPECT_EQ(engine->starts, starts) << at;
    }
    EXPECT_EQ(engine->said, QStringList({"50000"}));
}

TEST_F(SpeechRecovery, choosingAVoiceSwitchesRemembersItAndRereadsTheBar) {
    FakeSettingsStore store;
    PeedyVoiceChoice choice(*peedy, store);
    engine->becomeAvailable();
    emit engine->voicesKnown({"virginie", "French (France)"}, "virginie");
    speak("Bonjour!  ");
    for (const char* name : {"Klingon", "virginie", "French (France)"}) // absent, same, new
        choice.chooseVoice(name);
    settle();
    EXPECT_EQ(engine->voices, QStringList({"French (France)"}));
    EXPECT_EQ(choice.currentVoice(), "French (France)");
    EXPECT_EQ(store.values, (QMap<QString, QString>{{"Vesk/Voice/name", "French (France)"}}));
    EXPECT_EQ(engine->said, QStringList({"Bonjour!  ", "Bonjour!  "}));
}

using Peedy = PeedyFixture;

TEST_F(Peedy, requestsRunOneAfterAnotherInTheOrderMadeWithoutTheCallerWaiting) {
    engine->becomeAvailable();
    for (const CharacterResult& result :
         {peedy->show(), peedy->speak("Bonjour!  "), peedy->play("Wave")})
        EXPECT_TRUE(result.ok());
    EXPECT_TRUE(engine->said.isEmpty()) << "nothing runs inside the caller's call";
    EXPECT_TRUE(peedy->busy()) << "though it waits its turn";

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
    peedy->speak("Salut!");
    settle();
    EXPECT_EQ(engine->said, QStringList({"Bonjour!  ", "Salut!"}));

    // A sentence the engine never finishes ends in time, and the queue goes on.
    engine->finishUtterance();
    peedy->speak("Encore.");
    peedy->play("Wave");
    QCoreApplication::processEvents();
    peedy->sentenceEnded();
    QCoreApplication::processEvents();
    peedy->step();
    EXPECT_TRUE(peedy->window().frame().startsWith("wave"));
    EXPECT_LT(PeedyCharacter::speakingLimitMs(QString(119, 'a')), 15000);
}

TEST_F(Peedy, goesBackToTheCornerOfTheScreenWhenTheScreenChanges) {
    CharacterWindow& window = peedy->window();
    const QPoint corner = window.pos();
    QScreen* screen = QGuiApplication::primaryScreen();
    for (const auto changed : {&QScreen::geometryChanged, &QScreen::availableGeometryChanged}) {
        window.move(3, 4); // the learner had moved him out of the way
        emit(screen->*changed)(screen->geometry());
        EXPECT_EQ(window.pos(), corner);
    }
}

TEST_F(Peedy, hiddenCharacterAcceptsButDropsSpeechAndGestures) {
    engine->becomeAvailable();
    EXPECT_TRUE(peedy->speak("Personne ne m’entend.  ").ok());
    EXPECT_TRUE(peedy->play("Wave").ok());
    settle();
    peedy->show();
    settle();
    peedy->hide();
    peedy->speak("Trop tard.  ");
    settle();
    EXPECT_FALSE(peedy->window().isVisible());
    EXPECT_TRUE(engine->said.isEmpty());
    EXPECT_FALSE(peedy->busy());
}

TEST_F(Peedy, withoutAVoiceTheBalloonStillShowsAndTheCallerHearsWhy) {
    engine->fail("no French voice is installed");
    peedy->show();
    settle();
    EXPECT_EQ(peedy->speak("Bonjour!  ").error, "no French voice is installed");
    QCoreApplication::processEvents();
    EXPECT_EQ(peedy->window().balloonText(), "Bonjour!  ");
    peedy->step();
    EXPECT_EQ(peedy->window().frame(), "idle") << "no beak moving without a voice";
    peedy->sentenceEnded();
    EXPECT_FALSE(peedy->window().balloonShown());
}

TEST_F(Peedy, stopSilencesTheSentenceAndDropsWhatWasQueuedButNotShowingOrHiding) {
    engine->becomeAvailable();
    peedy->show();
    peedy->speakSlowly("Bonjour!  ");
    settle();
    ASSERT_TRUE(peedy->window().balloonShown());
    EXPECT_EQ(engine->said, QStringList({"slowly:Bonjour!  "}));
    peedy->play("Wave");

    EXPECT_TRUE(peedy->stop().ok());
    EXPECT_EQ(engine->stops, 1) << "the voice stops at once";
    EXPECT_FALSE(peedy->window().balloonShown());
    settle();
    EXPECT_EQ(peedy->window().frame(), "idle") << "the queued gesture is gone";

    peedy->hide();
    peedy->stop();
    settle();
    EXPECT_FALSE(peedy->isVisible()) << "a hide asked for before the stop still happens";
}

TEST_F(Peedy, standsWhereTheLearnerLeftHimOnHisMonitorUnlessThatCoversTheBar) {
    CharacterWindow& window = peedy->window();
    const QPoint corner = window.pos();
    const QScreen* screen = QGuiApplication::primaryScreen();
    QPoint told;
    QObject::connect(&window, &CharacterWindow::placedByLearner,
                     [&](const QString&, QPoint place) { told = place; });
    for (const auto& [type, at] : {std::pair{QEvent::MouseButtonPress, QPoint(350, 200)},
                                   {QEvent::MouseMove, QPoint(50, -50)},
                                   {QEvent::MouseButtonRelease, QPoint(50, -50)}}) {
        QMouseEvent event(type, at, corner + at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
    }
    EXPECT_EQ(told, corner - QPoint(300, 250) - screen->geometry().topLeft());
    window.setKeptPlaces({{screen->name(), QPoint(100, 300)}});
    emit QGuiApplication::primaryScreen()->geometryChanged(screen->geometry());
    EXPECT_EQ(window.pos(), screen->geometry().topLeft() + QPoint(100, 300));
    peedy->keepClearOf(QRect(0, 0, 1024, 500));
    EXPECT_EQ(window.pos(), corner) << "not on the bar";
}

// A window system that piles windows at the top-left puts Peedy on the bar's corner.
TEST_F(Peedy, neitherHeNorHisBalloonCoverTheBarWhereverTheWindowSystemPutsThem) {
    CharacterWindow& window = peedy->window();
    window.showBalloon("Je voudrais une chambre pour deux nuits, s’il vous plaît.  ");
    const QRect usual = window.balloonRect();
    for (const QPoint at : {QPoint(0, 0), QPoint(0, 100)}) {
        window.move(at);
        const QRect bar(at.x(), at.y() + (at.y() ? 10 : 0), 477, 23);
        peedy->keepClearOf(bar);
        EXPECT_FALSE(window.balloonRect().translated(window.pos()).intersects(bar)) << at.y();
        EXPECT_TRUE(window.rect().contains(window.balloonRect())) << at.y();
    }
    window.move(0, 0);
    peedy->keepClearOf(QRect(0, 0, 1024, 100));
    EXPECT_NE(window.pos(), QPoint(0, 0)) << "off a bar he stands on, back to his corner";
    EXPECT_EQ(window.balloonRect(), usual) << "and the balloon in its usual place";
}

TEST_F(Peedy, refusesUnknownAnimationsLanguagesAndCharactersAndMissingArt) {
    EXPECT_FALSE(peedy->play("Dance").ok());
    EXPECT_FALSE(peedy->setLanguage(QLocale::AnyLanguage).ok());
    EXPECT_TRUE(peedy->setLanguage(QLocale::German).ok()) << "a learner's deck in German";
    EXPECT_EQ(engine->locales.back(), QLocale(QLocale::German));
    EXPECT_TRUE(peedy->setLanguage(QLocale::French).ok());
    EXPECT_EQ(engine->locales.back(), QLocale(QLocale::French, QLocale::France));
    EXPECT_FALSE(characters->load("Merlin").ok());
    DesktopCharacterLoader artless("/no/such/folder",
                                   [] { return std::make_unique<FakeSpeechEngine>(); });
    EXPECT_FALSE(artless.load("Peedy").ok());
    EXPECT_FALSE(artless.character("Peedy")->show().ok());
}

TEST_F(Peedy, refusesAnEndlessBacklog) {
    peedy->show();
    int refused = 0;
    for (int i = 0; i < 40; ++i)
        refused += peedy->play("Wave").ok() ? 0 : 1;
    EXPECT_EQ(refused, 25) << "the show and 15 gestures fill the 16 places";
}

} // namespace
