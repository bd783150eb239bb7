// The deck folder on disk: files replaced whole, a write that cannot be made leaving the old file
// and naming the folder, and a deleted file gone from the folder.
#include "platform/deck_folder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(DeckFolder, writesAreMadeInAFolderMadeOnTheFirstWrite) {
    QTemporaryDir home(QDir::homePath() + "/decks-XXXXXX");
    DeckFolder folder(home.path() + "/decks");
    EXPECT_EQ(folder.write("Café.tsv", "old"), QString());
    EXPECT_EQ(folder.write("Café.tsv", "new"), QString());
    EXPECT_EQ(folder.read("Café.tsv"), QByteArray("new"));
    EXPECT_EQ(folder.fileNames(), QStringList{"Café.tsv"}) << "no temporary file is left";
    EXPECT_EQ(folder.read("none.tsv"), std::nullopt);
}

TEST(DeckFolder, aWriteToAReadOnlyFolderNamesItAndLeavesTheOldFile) {
    QTemporaryDir home(QDir::homePath() + "/decks-XXXXXX");
    DeckFolder folder(home.path());
    ASSERT_EQ(folder.write("Café.tsv", "old"), QString());
    QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (QFile(home.path() + "/probe").open(QIODevice::WriteOnly)) {
        QFile::remove(home.path() + "/probe");
        GTEST_SKIP() << "this user writes to read-only folders";
    }
    const QString error = folder.write("Café.tsv", "new");
    QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(error.startsWith("cannot write to " + home.path() + ": ")) << qPrintable(error);
    EXPECT_EQ(folder.read("Café.tsv"), QByteArray("old"));
}

TEST(DeckFolder, aFileMovedToTheTrashIsGoneFromTheFolder) {
    QTemporaryDir home(QDir::homePath() + "/decks-XXXXXX");
    DeckFolder folder(home.path());
    ASSERT_EQ(folder.write("Café.deck", "name=Café\n"), QString());
    EXPECT_EQ(folder.moveToTrash("Café.deck"), QString());
    EXPECT_TRUE(folder.fileNames().isEmpty());
#ifdef Q_OS_LINUX
    // In the learner's trash, even before their data folder was ever made.
    EXPECT_TRUE(
        QFile::exists(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                      "/Trash/files/Café.deck"));
#endif
}

} // namespace
