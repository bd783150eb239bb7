// The import dialog: read off the UI thread, previewed with the chosen columns, then written.
#include "support/deck_fixture.h"
#include "ui/decks/import_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>

namespace {

class ImportDialogTest : public DeckFixture {
protected:
    // Opens the file and waits for the reading to end, however it ends.
    void open(const QString& path, const QString& deckName = {}) {
        QSignalSpy finished(&dialog, &ImportDialog::readingFinished);
        dialog.openFile(path, deckName);
        if (finished.isEmpty()) {
            ASSERT_TRUE(finished.wait(10000));
        }
    }
    QString previewCell(int row, int column) const {
        const QTableWidgetItem* item = dialog.preview()->item(row, column);
        return item ? item->text() : QString();
    }
    QString greetings() {
        return writeFile(QStringLiteral("greetings.csv"),
                         "french,english\nBonjour,Hello\nMerci beaucoup,Thank you very much\n");
    }

    ImportDialog dialog{library, messages, {QStringLiteral("de"), QStringLiteral("fr")}};
};

TEST_F(ImportDialogTest, previewShowsTheChosenColumnsAndFollowsASwap) {
    open(greetings());
    dialog.sentenceColumnBox()->setCurrentIndex(0);
    dialog.translationColumnBox()->setCurrentIndex(1);
    EXPECT_EQ(previewCell(0, 0), "Bonjour");
    EXPECT_EQ(previewCell(1, 1), "Thank you very much");
    dialog.sentenceColumnBox()->setCurrentIndex(1);
    dialog.translationColumnBox()->setCurrentIndex(0);
    EXPECT_EQ(previewCell(0, 0), "Hello");
    EXPECT_EQ(previewCell(0, 1), "Bonjour");
}

TEST_F(ImportDialogTest, startsWithFrenchAndTheFileNameUnlessANameIsGiven) {
    const QString path = greetings();
    open(path);
    EXPECT_EQ(dialog.languageBox()->itemData(0).toString(), "fr") << "offered first";
    EXPECT_EQ(dialog.languageBox()->currentData().toString(), "fr");
    EXPECT_EQ(dialog.deckNameEdit()->text(), "greetings");
    open(path, QStringLiteral("Café talk"));
    EXPECT_EQ(dialog.deckNameEdit()->text(), "Café talk");
}

TEST_F(ImportDialogTest, importWritesTheDeckTellsTheSummaryAndCloses) {
    QSignalSpy imported(&dialog, &ImportDialog::imported);
    open(greetings());
    dialog.sentenceColumnBox()->setCurrentIndex(0);
    dialog.translationColumnBox()->setCurrentIndex(1);
    dialog.importButton()->click();
    const LoadedDeck* deck = library.find(QStringLiteral("greetings"));
    ASSERT_NE(deck, nullptr);
    EXPECT_EQ(deck->sentences.size(), 2u);
    EXPECT_EQ(deck->sentences.front().sentence, "Bonjour");
    EXPECT_EQ(messages.shown.size(), 1) << "the summary";
    ASSERT_EQ(imported.size(), 1);
    EXPECT_EQ(imported.first().first().toString(), "greetings");
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ImportDialogTest, refusedFileIsToldAndWritesNothing) {
    const QByteArray binary("\x7f"
                            "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0",
                            20);
    for (const auto& [name, bytes] :
         {std::pair{"empty.csv", QByteArray()}, std::pair{"program.txt", binary}}) {
        SCOPED_TRACE(name);
        messages.shown.clear();
        open(writeFile(QLatin1String(name), bytes));
        EXPECT_EQ(messages.shown.size(), 1);
        EXPECT_TRUE(library.decks().empty());
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST_F(ImportDialogTest, fileOverTheLimitIsRefusedNamingIt) {
    const QString path = writeFile(QStringLiteral("huge.csv"), "a,b\n");
    QFile(path).resize(DeckLimits::kMaxFileBytes + 1); // sparse: nothing to write
    open(path);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.first().contains(QLatin1String("100 MB")));
    EXPECT_TRUE(library.decks().empty());
}

TEST_F(ImportDialogTest, cancelWhileReadingWritesNothing) {
    QSignalSpy finished(&dialog, &ImportDialog::readingFinished);
    dialog.openFile(greetings());
    dialog.cancelButton()->click();
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(library.decks().empty());
}

} // namespace
