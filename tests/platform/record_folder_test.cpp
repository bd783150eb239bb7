// The learner's records on disk: appended lines kept in order, and a damaged file renamed aside,
// never deleted, so that a fresh one can start.
#include "platform/record_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(RecordFolder, appendedLinesFollowOneAnotherInAFolderMadeOnTheFirstWrite) {
    QTemporaryDir home(QDir::homePath() + "/records-XXXXXX");
    RecordFolder folder(home.path() + "/Dorvane");
    EXPECT_EQ(folder.append("log.csv", "a\n"), QString());
    EXPECT_EQ(folder.append("log.csv", "b\n"), QString());
    EXPECT_EQ(folder.read("log.csv"), QByteArray("a\nb\n"));
}

TEST(RecordFolder, aFileSetAsideKeepsItsBytesUnderAnotherName) {
    QTemporaryDir home(QDir::homePath() + "/records-XXXXXX");
    RecordFolder folder(home.path());
    ASSERT_EQ(folder.write("cards.json", "{broken"), QString());
    const QString aside = folder.setAside("cards.json");
    EXPECT_EQ(folder.read("cards.json"), std::nullopt);
    QFile kept(aside);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << qPrintable(aside);
    EXPECT_EQ(kept.readAll(), QByteArray("{broken"));
}

TEST(RecordFolder, twoFilesSetAsideTheSameSecondBothStay) {
    QTemporaryDir home(QDir::homePath() + "/records-XXXXXX");
    RecordFolder folder(home.path());
    ASSERT_EQ(folder.write("cards.json", "one"), QString());
    const QString first = folder.setAside("cards.json");
    ASSERT_EQ(folder.write("cards.json", "two"), QString());
    const QString second = folder.setAside("cards.json");
    EXPECT_NE(first, second);
    EXPECT_TRUE(QFile::exists(first));
    EXPECT_TRUE(QFile::exists(second));
}

TEST(RecordFolder, aWriteThatCannotBeMadeNamesTheFile) {
    QTemporaryDir home(QDir::homePath() + "/records-XXXXXX");
    QFile blocker(home.path() + "/Dorvane");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    RecordFolder folder(home.path() + "/Dorvane");
    EXPECT_TRUE(folder.write("cards.json", "x").startsWith("cannot write " + home.path()));
    EXPECT_TRUE(folder.append("log.csv", "x").startsWith("cannot write " + home.path()));
}

} // namespace
