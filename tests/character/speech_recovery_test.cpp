// Peedy and a speech engine that is slow to come up, breaks down, or is switched to another
// voice: only the sentence on the bar is ever read, and speech comes back by itself; and the
// Voice submenu over a voice choice the test controls.
#include "fakes/fake_settings_store.h"
#include "platform/character/peedy_voice_choice.h"
#include "platform/voice_choice.h"
#include "support/peedy_fixture.h"
#include "tray/voice_menu.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

class SpeechRecovery : public PeedyFixture {
protected:
    void SetUp() override { fresh(); }

    // A newly loaded, shown character whose engine is still starting.
    void fresh() {
        load();
        agent->setSentenceOnBar([this] { return onBar; });
        peedy->setClock([this] { return now; });
        peedy->Show();
        settle();
    }

    void speak(const QString& sentence) {
        onBar = sentence;
        peedy->Speak(sentence);
        settle();
    }

    QString onBar;
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
        onBar = c.barWhenReady.isEmpty() ? onBar : c.barWhenReady;
        engine->becomeAvailable();
        EXPECT_EQ(engine->said, c.read);
    }
}

TEST_F(SpeechRecovery, aNewSentenceCutsShortTheOneBeingReadAndDropsQueuedOnes) {
    engine->becomeAvailable();
    speak("Premier.");
    peedy->Play("Wave");
    peedy->Speak("Deuxième."); // queued behind the wave
    speak("Troisième.");
    EXPECT_EQ(engine->stops, 1);
    EXPECT_EQ(engine->said, QStringList({"Premier.", "Troisième."}));
}

TEST_F(SpeechRecovery, aBrokenEngineIsStartedAgainOnALaterSentenceAtMostEveryThirtySeconds) {
    engine->becomeAvailable();
    speak("Un.");
    engine->breakDown();
    enum Answer { None, Fails, ComesBack };
    // {time, engine starts so far, what a restarted engine says}; the first start was at 0.
    const std::tuple<qint64, int, Answer> steps[] = {{10000, 1, None},
                                                     {29999, 1, None},
                                                     {30000, 2, Fails},
                                                     {45000, 2, None},
                                                     {60000, 3, ComesBack}};
    for (const auto& [at, starts, answer] : steps) {
        now = at;
        speak(QString::number(at));
        EXPECT_EQ(engine->starts, starts) << at;
        if (answer == Fails)
            engine->fail("speech-dispatcher could not be reached");
        else if (answer == ComesBack)
            engine->becomeAvailable();
    }
    EXPECT_EQ(engine->said, QStringList({"Un.", "60000"}));
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

struct FakeVoiceChoice : VoiceChoice {
    QStringList voices() const override { return installed; }
    QString currentVoice() const override { return current; }
    void chooseVoice(const QString& name) override { chosen << name; }
    QStringList installed, chosen;
    QString current;
};

// Each entry as "name", "[x] name" when ticked, "(name)" when disabled.
QStringList entries(const QMenu& menu) {
    QStringList shown;
    for (const QAction* action : menu.actions())
        shown << QString(action->isEnabled() ? "%1%2" : "(%1%2)")
                     .arg(action->isChecked() ? "[x] " : "", action->text());
    return shown;
}

TEST(VoiceMenu, listsTheVoicesTicksTheOneInUseFollowsChangesAndAsksForTheOneChosen) {
    FakeVoiceChoice choice;
    VoiceMenu menu(choice);
    EXPECT_EQ(entries(menu), QStringList({"(No French voice yet)"}));
    choice.installed = {"virginie", "French (France)"};
    for (const QString& current : choice.installed) {
        choice.current = current;
        emit choice.voicesChanged();
        EXPECT_EQ(entries(menu).filter("[x] "), QStringList({"[x] " + current}));
    }
    menu.actions().at(0)->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(choice.chosen, QStringList({"virginie"}));
}

} // namespace
