// The [French] settings loaded, defaulted and brought into range; the settings file: text values
// read back as written or hand-edited, and a file that cannot be written reported until it can.
#include "core/settings/settings_persistence.h"
#include "core/settings/settings_record.h"
#include "fakes/fake_settings_store.h"
#include "platform/qsettings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

constexpr float kScreenWidth = 15360.0f; // 1024 pixels at 15 twips a pixel
const QStringList kKeys = {"ce",    "n",     "ctime",  "etime", "rd",   "psave",  "ssave", "visi",
                           "voice", "guage", "guagen", "red",   "mark", "sspeed", "left"};
const QList<double> kDefaults = {1, 2, 3, 5, 0, 1, 1, 0, 1, 1, 11000, 0, 0, 150, 5680};

// Loads the store and gives the values in the order of kKeys.
QList<double> load(SettingsStore& store) {
    Settings = SettingsRecord{};
    const float left = loadSettings(store, kScreenWidth);
    const SettingsRecord& s = Settings;
    return {double(s.frenchFirst),    double(s.playsPerSentence), double(s.englishSeconds),
            double(s.frenchSeconds),  double(s.inSequence),       double(s.savePositionOnExit),
            double(s.saveSettings),   double(s.autoHide),         double(s.readAloud),
            double(s.topic),          double(s.sequencePosition), double(s.storedRed),
            double(s.startWithLogin), double(s.storedSpeed),      left};
}

// The first run writes every default and the marker, once, on the disk. Over what it wrote, each
// later run's "key=stored:loaded": every key in its place, then unreadable values, which take the
// default without writing it, then values beyond what a control can show.
TEST(SettingsPersistence, firstRunWritesTheDefaultsAndLaterRunsLoadDefaultOrBringIntoRange) {
    const QStringList cases =
        QStringLiteral(
            "ce=0:0 n=6:6 ctime=9:9 etime=11:11 rd=3:3 psave=0:0 ssave=0:0 visi=1:1 voice=0:0 "
            "guage=7:7 guagen=10335:10335 red=1:1 mark=2:2 sspeed=90:90 left=-120.5:-120.5 n=:2 "
            "etime=five:5 guagen=12abc:11000 voice=40000:1 left=middle:5680 left=1e300:5680 n=0:1 "
            "n=13:12 n=2.5:2 etime=99:15 etime=4:5 ctime=-4:3 ctime=16:15 ctime=3.5:4 guage=25:21 "
            "guage=-1:0 guagen=-32768:-32768")
            .split(QLatin1Char(' '));
    FakeSettingsStore initialised;
    EXPECT_EQ(load(initialised), kDefaults);
    EXPECT_EQ(initialised.writes.size(), 16);
    EXPECT_TRUE(initialised.writes.contains("xxx=1"));
    EXPECT_FALSE(initialised.unsynced);
    for (const QString& c : cases) {
        const QString key = c.section('=', 0, 0);
        FakeSettingsStore store;
        store.values = initialised.values;
        store.seed(key, c.section('=', 1).section(':', 0, 0));
        QList<double> expected = kDefaults;
        expected[kKeys.indexOf(key)] = c.section(':', -1).toDouble();
        EXPECT_EQ(load(store), expected) << qPrintable(c);
        EXPECT_TRUE(store.writes.isEmpty());
    }
}

// A store whose marker alone is gone keeps what it holds; only the keys it lacks are filled in.
// Exit then writes every key as loaded (odd texts too), changed only by its own list.
TEST(SettingsPersistence, aLostMarkerIsNoFirstRunAndExitWritesBackEveryKey) {
    FakeSettingsStore store;
    for (const auto& [key, text] : {std::pair{"ctime", "15"}, {"etime", "five"}, {"rd", "1"}})
        store.seed(key, text);
    load(store);
    EXPECT_EQ(Settings.englishSeconds, 15);
    EXPECT_EQ(store.writes.size(), 13) << qPrintable(store.writes.join(' '));
    EXPECT_FALSE(store.writes.contains("ctime=3"));

    const QMap<QString, QString> loaded = store.values;
    Settings.englishSeconds = 9; // changed in the dialog, not saved
    Settings.sequencePosition = 10105;
    store.values.clear(); // emptied while the program ran
    EXPECT_EQ(saveExitSettings(store, 4500.0f), QString());
    QMap<QString, QString> expected = loaded;
    expected["Vesk/French/left"] = "4500";
    expected["Vesk/French/guagen"] = "10105";
    EXPECT_EQ(store.values, expected);
}

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
