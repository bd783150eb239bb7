// The [French] settings loaded, defaulted and brought into range, and written back at Exit.
#include "core/settings/settings_persistence.h"
#include "core/settings/settings_record.h"
#include "fakes/fake_settings_store.h"

#include <gtest/gtest.h>

namespace {

constexpr float kScreenWidth = 15360.0f; // 1024 pixels at 15 twips a pixel
const QStringList kKeys = {"ce",    "n",     "ctime",  "etime", "rd",   "psave",  "ssave", "visi",
                           "voice", "guage", "guagen", "red",   "mark", "sspeed", "left"};
const QList<double> kDefaults = {1, 2, 3, 5, 0, 1, 1, 0, 1, 1, 11000, 0, 0, 150, 5680};

struct Loaded {
    SettingsRecord settings;
    float left = 0;
    // The values in the order of kKeys.
    QList<double> values() const {
        const SettingsRecord& s = settings;
        return {double(s.frenchFirst),    double(s.playsPerSentence), double(s.englishSeconds),
                double(s.frenchSeconds),  double(s.inSequence),       double(s.savePositionOnExit),
                double(s.saveSettings),   double(s.autoHide),         double(s.readAloud),
                double(s.topic),          double(s.sequencePosition), double(s.storedRed),
                double(s.startWithLogin), double(s.storedSpeed),      double(left)};
    }
};

Loaded load(SettingsStore& store) {
    Loaded loaded;
    loaded.left = loadSettings(store, loaded.settings, kScreenWidth);
    return loaded;
}

// The first run writes every default and the marker, once, on the disk, and loads them back.
TEST(SettingsPersistence, firstRunWritesEveryDefaultOnceOnTheDisk) {
    FakeSettingsStore store;
    EXPECT_EQ(load(store).values(), kDefaults);
    EXPECT_EQ(store.writes, QStringList({"ce=1", "n=2", "ctime=3", "etime=5", "rd=0", "psave=1",
                                         "ssave=1", "visi=0", "voice=1", "guage=1", "guagen=11000",
                                         "red=0", "mark=0", "xxx=1", "left=5680", "sspeed=150"}));
    EXPECT_FALSE(store.unsynced);
}

// Over what the first run wrote, each later run's "key=stored:loaded": every key in its place,
// then unreadable values, which take the default without writing it, then values beyond what a
// control can show.
TEST(SettingsPersistence, laterRunsLoadEveryKeyDefaultingTheUnreadableAndBringingIntoRange) {
    const QStringList cases =
        QStringLiteral(
            "ce=0:0 n=6:6 ctime=9:9 etime=11:11 rd=3:3 psave=0:0 ssave=0:0 visi=1:1 voice=0:0 "
            "guage=7:7 guagen=10335:10335 red=1:1 mark=2:2 sspeed=90:90 left=-120.5:-120.5 n=:2 "
            "etime=five:5 guagen=12abc:11000 voice=40000:1 left=middle:5680 left=1e300:5680 n=0:1 "
            "n=13:12 n=2.5:2 etime=99:15 etime=4:5 ctime=-4:3 ctime=16:15 ctime=3.5:4 guage=25:21 "
            "guage=-1:0 guagen=-32768:-32768")
            .split(QLatin1Char(' '));
    FakeSettingsStore initialised;
    load(initialised);
    for (const QString& c : cases) {
        const QString key = c.section('=', 0, 0);
        FakeSettingsStore store;
        store.values = initialised.values;
        store.seed(key, c.section('=', 1).section(':', 0, 0));
        QList<double> expected = kDefaults;
        expected[kKeys.indexOf(key)] = c.section(':', -1).toDouble();
        EXPECT_EQ(load(store).values(), expected) << qPrintable(c);
        EXPECT_TRUE(store.writes.isEmpty());
    }
}

// A store whose marker alone is gone keeps what it holds; only the keys it lacks are filled in.
TEST(SettingsPersistence, aLostMarkerIsNoFirstRun) {
    FakeSettingsStore store;
    for (const auto& [key, text] : {std::pair{"ctime", "15"}, {"etime", "five"}, {"rd", "1"}})
        store.seed(key, text);
    EXPECT_EQ(load(store).settings.englishSeconds, 15);
    EXPECT_EQ(store.writes.size(), 13) << qPrintable(store.writes.join(' '));
    EXPECT_FALSE(store.writes.contains("ctime=3"));
}

// Exit writes every key as loaded (odd texts too), changed only by its own list.
TEST(SettingsPersistence, exitWritesBackEveryKeyAsLoaded) {
    FakeSettingsStore store;
    for (const auto& [key, text] : {std::pair{"xxx", "1"}, {"etime", "five"}, {"rd", "1"}})
        store.seed(key, text);
    Loaded loaded = load(store);
    const QMap<QString, QString> before = store.values;
    loaded.settings.englishSeconds = 9; // changed in the dialog, not saved
    loaded.settings.sequencePosition = 10105;
    store.values.clear(); // emptied while the program ran
    EXPECT_EQ(saveExitSettings(store, loaded.settings, 4500.0f), QString());
    QMap<QString, QString> expected = before;
    expected["Vesk/French/voice"] = "1";
    expected["Vesk/French/left"] = "4500";
    expected["Vesk/French/guagen"] = "10105";
    EXPECT_EQ(store.values, expected);
}

} // namespace
