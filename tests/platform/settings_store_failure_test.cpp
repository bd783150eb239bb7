// A store that cannot be written says so, naming its file and why, and recovers once it can.
#include "platform/qsettings_store.h"

#include <QDir>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

TEST(QSettingsStoreFailure, aFolderInTheStoresPlaceIsReportedUntilItIsGone) {
    const QString file = QSettingsStore::location("Blocked");
    ASSERT_TRUE(QDir().mkpath(file)) << "a folder where the file should be";
    QSettingsStore store;
    store.write("Blocked", "French", "left", "5680");
    store.sync();
    EXPECT_TRUE(store.saveFailure().contains(file)) << qPrintable(store.saveFailure());
    EXPECT_TRUE(store.saveFailure().contains("folder")) << qPrintable(store.saveFailure());

    ASSERT_TRUE(QDir(file).removeRecursively());
    store.write("Blocked", "French", "left", "5681");
    store.sync();
    EXPECT_EQ(store.saveFailure(), QString()) << "a store that works again is not still failed";
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value("French/left").toString(), "5681");
}

TEST(QSettingsStoreFailure, theLocationIsTheFileThatHoldsTheValues) {
    QSettingsStore store;
    store.write("Located", "French", "xxx", "1");
    store.sync();
    EXPECT_EQ(store.saveFailure(), QString());
    EXPECT_EQ(QSettings(QSettingsStore::location("Located"), QSettings::IniFormat)
                  .value("French/xxx")
                  .toString(),
              "1");
}

} // namespace
