// A store that cannot be written says so, naming its file and why, and recovers once it can.
#include "platform/qsettings_store.h"

#include <QDir>
#include <gtest/gtest.h>

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
