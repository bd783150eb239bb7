#include "app/module1.h"
#include "app/settings_persistence.h"
#include "fakes/fake_settings_store.h"

#include <gtest/gtest.h>

namespace {

constexpr float kScreenWidth = 15360.0f; // 1024 pixels at 15 twips a pixel

class SettingsPersistence : public ::testing::Test {
protected:
    void SetUp() override { Settings = SettingsRecord{}; }

    // A store as a first run leaves it, ready to be spoiled key by key.
    void seedFirstRunStore() {
        FakeSettingsStore fresh;
        LoadSettings(fresh, kScreenWidth);
        store.values = fresh.values;
    }

    FakeSettingsStore store;
};

TEST_F(SettingsPersistence, firstRunWritesEveryDefaultInOrderThenReadsThemBack) {
    const float left = LoadSettings(store, kScreenWidth);

    EXPECT_EQ(store.writes, QStringList({"ce=1", "n=2", "ctime=3", "etime=5", "rd=0", "psave=1",
                                         "ssave=1", "visi=0", "voice=1", "guage=1", "guagen=11000",
                                         "red=0", "mark=0", "xxx=1", "left=5680", "sspeed=150"}));
    EXPECT_FALSE(store.unsynced);
    EXPECT_FLOAT_EQ(left, 5680.0f);
    EXPECT_EQ(Settings.ce, 1);
    EXPECT_EQ(Settings.n, 2);
    EXPECT_EQ(Settings.ctime, 3);
    EXPECT_EQ(Settings.etime, 5);
    EXPECT_EQ(Settings.rd, 0);
    EXPECT_EQ(Settings.psave, 1);
    EXPECT_EQ(Settings.ssave, 1);
    EXPECT_EQ(Settings.visi, 0);
    EXPECT_EQ(Settings.voice, 1);
    EXPECT_EQ(Settings.guage, 1);
    EXPECT_EQ(Settings.guagen, 11000);
    EXPECT_EQ(Settings.red, 0);
    EXPECT_EQ(Settings.mark, 0);
    EXPECT_EQ(Settings.sspeed, 150);
    EXPECT_EQ(Settings.xxx, "1");
}

TEST_F(SettingsPersistence, firstRunLeftIsHalfTheScreenLessTwoThousandTwips) {
    EXPECT_FLOAT_EQ(LoadSettings(store, 28800.0f), 12400.0f);
    EXPECT_EQ(store.stored("left"), "12400");
}

TEST_F(SettingsPersistence, laterRunWritesNothingAndLoadsWhatIsStored) {
    seedFirstRunStore();
    store.seed("ce", "0");
    store.seed("n", "7");
    store.seed("rd", "1");
    store.seed("guagen", "10335");
    store.seed("mark", "1");
    store.seed("left", "-120.5");
    store.seed("sspeed", "90");

    const float left = LoadSettings(store, kScreenWidth);

    EXPECT_TRUE(store.writes.isEmpty());
    EXPECT_EQ(Settings.ce, 0);
    EXPECT_EQ(Settings.n, 7);
    EXPECT_EQ(Settings.rd, 1);
    EXPECT_EQ(Settings.guagen, 10335);
    EXPECT_EQ(Settings.mark, 1);
    EXPECT_EQ(Settings.sspeed, 90);
    EXPECT_FLOAT_EQ(left, -120.5f);
}

TEST_F(SettingsPersistence, absentOrUnreadableKeysTakeTheirDefaultsAndStartUpGoesOn) {
    seedFirstRunStore();
    store.values.remove("Vesk/French/n");
    store.seed("etime", "five");
    store.seed("guagen", "");
    store.seed("voice", "40000"); // beyond 16 bits
    store.seed("left", "middle");
    store.values.remove("Vesk/French/sspeed");

    const float left = LoadSettings(store, kScreenWidth);

    EXPECT_TRUE(store.writes.isEmpty()) << "defaults are used in memory, not written";
    EXPECT_EQ(Settings.n, 2);
    EXPECT_EQ(Settings.etime, 5);
    EXPECT_EQ(Settings.guagen, 11000);
    EXPECT_EQ(Settings.voice, 1);
    EXPECT_EQ(Settings.sspeed, 150);
    EXPECT_FLOAT_EQ(left, 5680.0f);
}

TEST_F(SettingsPersistence, valuesNoControlCanShowAreBroughtIntoRange) {
    seedFirstRunStore();
    store.seed("n", "0");
    store.seed("etime", "99");
    store.seed("ctime", "-4");
    store.seed("guage", "25");
    LoadSettings(store, kScreenWidth);
    EXPECT_EQ(Settings.n, 1);
    EXPECT_EQ(Settings.etime, 15);
    EXPECT_EQ(Settings.ctime, 3);
    EXPECT_EQ(Settings.guage, 21);

    store.seed("n", "13");
    store.seed("etime", "4");
    store.seed("ctime", "16");
    store.seed("guage", "-1");
    LoadSettings(store, kScreenWidth);
    EXPECT_EQ(Settings.n, 12);
    EXPECT_EQ(Settings.etime, 5);
    EXPECT_EQ(Settings.ctime, 15);
    EXPECT_EQ(Settings.guage, 0);
}

TEST_F(SettingsPersistence, unusualValuesThatPlaybackCopesWithAreKept) {
    seedFirstRunStore();
    store.seed("ce", "5");
    store.seed("rd", "3");
    store.seed("visi", "2");
    store.seed("mark", "2");
    store.seed("guagen", "32000");
    LoadSettings(store, kScreenWidth);
    EXPECT_EQ(Settings.ce, 5);
    EXPECT_EQ(Settings.rd, 3);
    EXPECT_EQ(Settings.visi, 2);
    EXPECT_EQ(Settings.mark, 2);
    EXPECT_EQ(Settings.guagen, 32000);
}

TEST_F(SettingsPersistence, dialogSaveWritesThirteenKeysInOrderAndSyncs) {
    Settings = {0, 4, 6, 9, 1, 0, 1, 1, 0, 0, 10207, 3, 1, 120, QString()};

    SaveDialogSettings(store);

    EXPECT_EQ(store.writes,
              QStringList({"ce=0", "n=4", "ctime=6", "etime=9", "rd=1", "psave=0", "ssave=1",
                           "visi=1", "guage=0", "red=3", "mark=1", "xxx=1", "sspeed=120"}));
    EXPECT_FALSE(store.unsynced);
}

TEST_F(SettingsPersistence, exitKeepsTheSequencePositionOnlyInSequenceModeWithScheduleSaving) {
    struct Case {
        int16_t rd, psave;
        QStringList writes;
    };
    const Case cases[] = {
        {0, 1, {"voice=0", "left=4250.5"}},
        {1, 0, {"voice=0", "left=4250.5"}},
        {1, 1, {"voice=0", "left=4250.5", "guagen=10402"}},
        {2, 1, {"voice=0", "left=4250.5"}},
    };
    for (const Case& c : cases) {
        FakeSettingsStore exitStore;
        Settings.voice = 0;
        Settings.guagen = 10402;
        Settings.rd = c.rd;
        Settings.psave = c.psave;
        SaveExitSettings(exitStore, 4250.5f);
        EXPECT_EQ(exitStore.writes, c.writes) << "rd " << c.rd << ", psave " << c.psave;
        EXPECT_FALSE(exitStore.unsynced);
    }
}

} // namespace
