// The settings file: text values read back as written or hand-edited, a file emptied or
// damaged meanwhile written again, and a file that cannot be written reported until it can.
#include "platform/qsettings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

TEST(QSettingsStore, textWithCommasReadsBackAsWrittenOrAsAHandEditedList) {
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
}

// The first run is told by its marker reading as nothing.
TEST(QSettingsStore, aMissingKeyReadsAsNothing) {
    EXPECT_EQ(QSettingsStore().read("Vesk", "French", "no-such-key"), QString());
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

// A store emptied or filled with junk by another program while this one runs is written again
// with all this program read or wrote, and nothing else.
TEST(QSettingsStore, aFileEmptiedOrDamagedMeanwhileIsWrittenAgainWithWhatTheProgramHolds) {
    const QString file = QSettingsStore::location("Damaged");
    QSettingsStore store;
    store.write("Damaged", "French", "ctime", "15");
    store.write("Damaged", "Learning", "known", "10101");
    store.sync();
    for (const QByteArray& damage : {QByteArray(), QByteArray("\x01junk\n[x\n=;\xff\n")}) {
        QFile overwrite(file);
        ASSERT_TRUE(overwrite.open(QIODevice::WriteOnly));
        overwrite.write(damage);
        overwrite.close();
        store.write("Damaged", "French", "left", "4500");
        store.sync();
        EXPECT_EQ(store.saveFailure(), QString());
        const QSettings reread(file, QSettings::IniFormat);
        EXPECT_EQ(reread.allKeys(), QStringList({"French/ctime", "French/left", "Learning/known"}))
            << damage.size() << " bytes of damage";
        EXPECT_EQ(reread.status(), QSettings::NoError);
    }
}

// QSettings would wait for its lock file for good; the save fails at once, naming it, and goes
// through at a later save once the lock is free.
TEST(QSettingsStoreFailure, aLockHeldElsewhereFailsTheSaveUntilItIsFree) {
    const QString file = QSettingsStore::location("Locked");
    QDir().mkpath(QFileInfo(file).path());
    QLockFile held(file + ".lock");
    ASSERT_TRUE(held.lock());
    QSettingsStore store;
    store.write("Locked", "French", "left", "5680");
    store.sync();
    EXPECT_EQ(store.saveFailure(), file + " could not be saved: its lock file " + file +
                                       ".lock names this very process; the next save tries again");
    EXPECT_FALSE(QFileInfo::exists(file));

    held.unlock();
    store.sync();
    EXPECT_EQ(store.saveFailure(), QString());
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value("French/left").toString(), "5680");
}

} // namespace
