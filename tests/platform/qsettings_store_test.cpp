// The settings file: text values under application and section, on the disk after a sync, and a
// file that cannot be written reported, naming it and why, until it can.
#include "platform/qsettings_store.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

TEST(QSettingsStore, keysLiveUnderApplicationAndSectionAsTextAndReachTheDiskOnSync) {
    QSettingsStore store;
    store.write("Vesk", "French", "guagen", "10207");
    store.write("Vesk", "French", "odd", " 12, with a comma; and blanks  ");
    store.sync();
    // A second reader, like the next start of the program, sees the values at once.
    QSettings independent(QSettings::NativeFormat, QSettings::UserScope, "Vesk");
    EXPECT_EQ(independent.value("French/guagen").toString(), "10207");
    QFile file(QDir::homePath() + "/.config/Vesk.conf");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("[French]\nguagen=10207"));

    QSettingsStore reader;
    EXPECT_EQ(reader.read("Vesk", "French", "odd"), " 12, with a comma; and blanks  ");
    EXPECT_EQ(reader.read("Vesk", "French", "no-such-key"), QString());
    EXPECT_EQ(reader.read("Nobody", "French", "xxx"), QString());
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
