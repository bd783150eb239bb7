// The settings file: text values under application and section, read back as they were written or
// hand-edited, and a file that cannot be written reported, naming it and why, until it can.
#include "platform/qsettings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <gtest/gtest.h>

TEST(QSettingsStore, textWithCommasReadsBackAsWrittenOrAsAHandEditedListAndMissingKeysAsNothing) {
    QSettingsStore store;
    store.write("Vesk", "French", "odd", " 12, with a comma; and blanks  ");
    store.sync();
    const QString edited = QSettingsStore::location("VeskHandEdited");
    QDir().mkpath(QFileInfo(edited).path());
    QFile file(edited);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Learning]\nknown=10101-10103,10301,junk\n");
    file.close();

    QSettingsStore reader; // as the next start of the program
    EXPECT_EQ(reader.read("Vesk", "French", "odd"), " 12, with a comma; and blanks  ");
    EXPECT_EQ(reader.read("VeskHandEdited", "Learning", "known"), "10101-10103,10301,junk");
    EXPECT_EQ(reader.read("Vesk", "French", "no-such-key"), QString());
}

TEST(QSettingsStoreFailure, aFolderInTheFilesPlaceIsReportedUntilItIsGone) {
    const QString file = QSettingsStore::location("Blocked");
    ASSERT_TRUE(QDir().mkpath(file));
    QSettingsStore store;
    store.write("Blocked", "French", "left", "5680");
    store.sync();
    EXPECT_TRUE(store.saveFailure().contains(file + " could not be saved: a folder"))
        << qPrintable(store.saveFailure());

    ASSERT_TRUE(QDir(file).removeRecursively());
    store.write("Blocked", "French", "left", "5681");
    store.sync();
    EXPECT_EQ(store.saveFailure(), QString()) << "a store that works again is not still failed";
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value("French/left").toString(), "5681");
}
