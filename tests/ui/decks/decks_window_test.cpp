// The Decks window: what it lists, and deleting and importing again from it.
#include "support/deck_fixture.h"
#include "ui/decks/decks_window.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>

namespace {

class DecksWindowTest : public DeckFixture {
protected:
    void SetUp() override {
        DeckFixture::SetUp();
        source = writeFile(QStringLiteral("cafe.csv"), "Un café,A coffee\n");
        importDeck(QStringLiteral("Café"), source,
                   {{QStringLiteral("Un café"), QStringLiteral("A coffee")},
                    {QStringLiteral("L'addition"), QStringLiteral("The bill")}});
        importDeck(DeckLibrary::kDefaultDeckName, {},
                   {{QStringLiteral("Salut"), QStringLiteral("Hi")}});
        window = std::make_unique<DecksWindow>(library, messages);
    }
    QString cell(const QString& deck, int column) const {
        EXPECT_TRUE(window->selectDeck(deck));
        return window->table()->item(window->table()->currentRow(), column)->text();
    }

    QString source;
    std::unique_ptr<DecksWindow> window;
};

TEST_F(DecksWindowTest, listsEachDeckWithItsCountsAndSource) {
    EXPECT_EQ(window->table()->rowCount(), 2);
    EXPECT_EQ(cell(QStringLiteral("Café"), DecksWindow::Sentences), "2");
    EXPECT_EQ(cell(QStringLiteral("Café"), DecksWindow::Source), "cafe.csv");
    EXPECT_EQ(cell(DeckLibrary::kDefaultDeckName, DecksWindow::Source), "typed in");
    EXPECT_TRUE(window->table()->isColumnHidden(DecksWindow::Problem)) << "nothing damaged";
}

TEST_F(DecksWindowTest, aDamagedDeckShowsItsProblem) {
    storage.files[QStringLiteral("Broken.tsv")] = "sentence\ttranslation\tkey\nbroken line\n";
    storage.files[QStringLiteral("Broken.deck")] = "name=Broken\n";
    library.load();
    window->refresh();
    EXPECT_FALSE(window->table()->isColumnHidden(DecksWindow::Problem));
    EXPECT_EQ(cell(QStringLiteral("Broken"), DecksWindow::Problem),
              library.find(QStringLiteral("Broken"))->damage);
}

TEST_F(DecksWindowTest, deleteAsksFirstAndKeepsTheDeckOnNo) {
    window->selectDeck(QStringLiteral("Café"));
    messages.answer = false;
    window->deleteButton()->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.first().contains(QStringLiteral("\"Café\"")));
    EXPECT_NE(library.find(QStringLiteral("Café")), nullptr);
    messages.answer = true;
    window->deleteButton()->click();
    EXPECT_EQ(library.find(QStringLiteral("Café")), nullptr);
    EXPECT_EQ(window->table()->rowCount(), 1) << "refreshed when the decks changed";
}

TEST_F(DecksWindowTest, importAgainAsksForTheSourceOnlyWhileItIsThere) {
    QSignalSpy requested(window.get(), &DecksWindow::importAgainRequested);
    window->selectDeck(QStringLiteral("Café"));
    window->importAgainButton()->click();
    ASSERT_EQ(requested.size(), 1);
    EXPECT_EQ(requested.first().at(0).toString(), QFileInfo(source).absoluteFilePath());
    EXPECT_EQ(requested.first().at(1).toString(), "Café");
    window->selectDeck(DeckLibrary::kDefaultDeckName);
    EXPECT_FALSE(window->importAgainButton()->isEnabled()) << "typed in: no file";
    QFile::remove(source);
    window->selectDeck(QStringLiteral("Café"));
    EXPECT_FALSE(window->importAgainButton()->isEnabled()) << "the file is gone";
}

TEST_F(DecksWindowTest, aRenameTypedInTheListRenamesTheDeck) {
    window->selectDeck(QStringLiteral("Café"));
    window->table()
        ->item(window->table()->currentRow(), DecksWindow::Name)
        ->setText(QStringLiteral("Au café"));
    EXPECT_NE(library.find(QStringLiteral("Au café")), nullptr);
    EXPECT_EQ(cell(QStringLiteral("Au café"), DecksWindow::Sentences), "2");
}

} // namespace
