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
