// The learner's decks in the whole program: the deck chosen plays from the start, the choice
// made from the menus, the socket and the settings dialog, and a playing deck taken away.
#include "core/decks/deck_reader.h"
#include "core/lessons/sentence_id.h"
#include "core/settings/settings_keys.h"
#include "support/desktop.h"
#include "ui/decks/deck_actions.h"
#include "ui/widgets/twips.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QSignalSpy>

namespace {

class DecksOnProgram : public ApplicationOnFakes {
protected:
    void SetUp() override {
        settings = SettingsRecord{};
        for (auto [key, value] :
             {std::pair{"xxx", "1"}, {"rd", "1"}, {"guage", "1"}, {"guagen", "10105"}})
            store.seed(key, value);
        DeckLibrary before{decks};
        DeckDraft draft;
        for (const char* text : {"Où est la gare ?", "Un café, s'il vous plaît."})
            draft.sentences.push_back({text, text, QStringLiteral("(%1)").arg(text)});
        DeckInfo info;
        info.name = QStringLiteral("Voyage");
        ASSERT_EQ(before.importDeck(info, draft).error, QString());
    }
    void startAndRead() {
        QSignalSpy loaded(&program.decks(), &DeckLibrary::loaded);
        program.start();
        if (loaded.isEmpty()) { // start-up may turn the event loop, and read them meanwhile
            ASSERT_TRUE(loaded.wait(5000));
        }
    }
    void pastTheWelcome() {
        while (!program.bar().chrome().welcomeOver())
            program.bar().chrome().onWelcomeTick();
    }
    QString playing() const {
        return store.read(kSettingsApplication, DeckKeys::kSection, DeckKeys::kPlaying);
    }
};

TEST_F(DecksOnProgram, theDeckChosenPlaysFromTheStartAndTheTablesPlaceIsLeftAlone) {
    store.write(kSettingsApplication, DeckKeys::kSection, DeckKeys::kPlaying, "voyage");
    startAndRead();
    EXPECT_EQ(playback.french(), QStringLiteral("Où est la gare ?"));
    EXPECT_EQ(program.playOrder().currentTopicName(), QStringLiteral("Voyage"));
    EXPECT_EQ(settings.sequencePosition, 10105) << "no table sentence was drawn";
    pastTheWelcome();
    program.runCommand(QStringLiteral("next"));
    EXPECT_EQ(playback.english(), QStringLiteral("(Un café, s'il vous plaît.)"));
}

TEST_F(DecksOnProgram, aChoiceFromTheMenuOrTheSocketIsStoredAndPlaysAtOnce) {
    startAndRead();
    EXPECT_FALSE(SentenceId::isDeckSentence(playback.frenchId())) << "the built-in by default";
    pastTheWelcome();
    QMenu* playFrom = program.deckActions().playFromMenu();
    QAction* voyage = playFrom->actions().last();
    ASSERT_EQ(voyage->text(), QStringLiteral("Voyage"));
    voyage->trigger();
    EXPECT_EQ(playing(), QStringLiteral("Voyage"));
    EXPECT_EQ(playback.french(), QStringLiteral("Où est la gare ?"));
    EXPECT_TRUE(voyage->isChecked());

    program.runCommand(QStringLiteral("play-deck "));
    EXPECT_EQ(playing(), QString());
    EXPECT_FALSE(SentenceId::isDeckSentence(playback.frenchId()));
    program.runCommand(QStringLiteral("play-deck Nowhere"));
    EXPECT_EQ(playing(), QString()) << "a deck that is not there changes nothing";
}

TEST_F(DecksOnProgram, theSettingsDialogGrowsForDecksOnlyWhenThereAreSomeAndItsChoicePlays) {
    startAndRead();
    program.commands().openSettings();
    SettingsDialog* dialog = program.commands().settingsDialog();
    ASSERT_NE(dialog->deckBox(), nullptr);
    EXPECT_GT(dialog->height(), Twips::toPixels(6555));
    dialog->deckBox()->setCurrentIndex(1);
    dialog->close();
    EXPECT_EQ(playing(), QStringLiteral("Voyage"));

    ASSERT_EQ(program.decks().remove(QStringLiteral("Voyage")), QString());
    EXPECT_EQ(playing(), QString()) << "a deck deleted while it plays gives way to the built-in";
    program.commands().openSettings();
    EXPECT_EQ(program.commands().settingsDialog()->deckBox(), nullptr);
    EXPECT_EQ(program.commands().settingsDialog()->height(), Twips::toPixels(6555));
}

} // namespace
