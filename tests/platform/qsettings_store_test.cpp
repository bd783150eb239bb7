#include "platform/qsettings_store.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

QString configFile() {
    return QDir::homePath() + QStringLiteral("/.config/Vesk.conf");
}

TEST(QSettingsStore, keysLiveUnderApplicationAndSectionAndReachTheDiskOnSync) {
    QFile::remove(configFile());
    {
        QSettingsStore store;
        store.write("Vesk", "French", "guagen", "10207");
        store.write("Vesk", "French", "left", "5680");
        store.sync();

        // A second reader, like the next start of the program, sees the values at once.
        QSettings independent(QSettings::NativeFormat, QSettings::UserScope, "Vesk");
        EXPECT_EQ(independent.value("French/guagen").toString(), "10207");
    }
    QFile file(configFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(configFile());
    const QByteArray contents = file.readAll();
    EXPECT_TRUE(contents.contains("[French]"));
    EXPECT_TRUE(contents.contains("guagen=10207"));

    QSettingsStore reader;
    EXPECT_EQ(reader.read("Vesk", "French", "left"), "5680");
}

TEST(QSettingsStore, absentKeyReadsAsEmptyText) {
    QSettingsStore store;
    EXPECT_EQ(store.read("Vesk", "French", "no-such-key"), QString());
    EXPECT_EQ(store.read("Nobody", "French", "xxx"), QString());
}

TEST(QSettingsStore, textIsStoredExactly) {
    QSettingsStore store;
    store.write("Vesk", "French", "odd", " 12, with a comma; and blanks  ");
    store.sync();
    QSettingsStore reader;
    EXPECT_EQ(reader.read("Vesk", "French", "odd"), " 12, with a comma; and blanks  ");
}

} // namespace
