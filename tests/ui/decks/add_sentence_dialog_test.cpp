// Adding one typed sentence: only with both texts, into the default deck unless told otherwise.
#include "support/deck_fixture.h"
#include "ui/decks/add_sentence_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

class AddSentenceDialogTest : public DeckFixture {
protected:
    AddSentenceDialog dialog{library, messages};
};

TEST_F(AddSentenceDialogTest, addIsEnabledOnlyWithBothTexts) {
    EXPECT_FALSE(dialog.addButton()->isEnabled());
    dialog.sentenceEdit()->setText(QStringLiteral("Ça marche."));
    EXPECT_FALSE(dialog.addButton()->isEnabled());
    dialog.translationEdit()->setText(QStringLiteral("   "));
    EXPECT_FALSE(dialog.addButton()->isEnabled()) << "blanks are no translation";
    dialog.translationEdit()->setText(QStringLiteral("That works."));
    EXPECT_TRUE(dialog.addButton()->isEnabled());
}

TEST_F(AddSentenceDialogTest, enterAddsToTheDefaultDeckCleaned) {
    QSignalSpy added(&dialog, &AddSentenceDialog::added);
    dialog.show();
    dialog.sentenceEdit()->setText(QStringLiteral("  On  y va ! "));
    dialog.translationEdit()->setText(QStringLiteral("Let's go!"));
    QTest::keyClick(dialog.translationEdit(), Qt::Key_Return);
    const LoadedDeck* deck = library.find(DeckLibrary::kDefaultDeckName);
    ASSERT_NE(deck, nullptr);
    ASSERT_EQ(deck->sentences.size(), 1u);
    EXPECT_EQ(deck->sentences.front().sentence, "On y va !");
    ASSERT_EQ(added.size(), 1);
    EXPECT_EQ(added.first().first().toString(), DeckLibrary::kDefaultDeckName);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
