#include "app/module1.h"
#include "app/settings_persistence.h"
#include "app/stored_text.h"
#include "fakes/fake_settings_store.h"

#include <gtest/gtest.h>

namespace {

constexpr float kScreenWidth = 15360.0f; // 1024 pixels at 15 twips a pixel

class SettingsPersistence : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = SettingsRecord{};
        FakeSettingsStore fresh;
        LoadSettings(fresh, kScreenWidth);
        initialised.values = fresh.values; // a store as a first run leaves it
    }
    FakeSettingsStore store, initialised;
};

TEST_F(SettingsPersistence, firstRunWritesEveryDefaultInOrderThenReadsThemBack) {
    Settings = SettingsRecord{};
    const float left = LoadSettings(store, kScreenWidth);
    EXPECT_EQ(store.writes, QStringList({"ce=1", "n=2", "ctime=3", "etime=5", "rd=0", "psave=1",
                                         "ssave=1", "visi=0", "voice=1", "guage=1", "guagen=11000",
                                         "red=0", "mark=0", "xxx=1", "left=5680", "sspeed=150"}));
    EXPECT_FALSE(store.unsynced);
    EXPECT_FLOAT_EQ(left, 5680.0f);
    const SettingsRecord& s = Settings;
    EXPECT_EQ(QList<int>({s.ce, s.n, s.ctime, s.etime, s.rd, s.psave, s.ssave, s.visi, s.voice,
                          s.guage, s.guagen, s.red, s.mark, s.sspeed}),
              QList<int>({1, 2, 3, 5, 0, 1, 1, 0, 1, 1, 11000, 0, 0, 150}));
    EXPECT_EQ(s.xxx, "1");
}

TEST_F(SettingsPersistence, laterRunWritesNothingAndLoadsWhatIsStored) {
    initialised.seed("ce", "0");
    initialised.seed("rd", "3");
    initialised.seed("guagen", "10335");
    initialised.seed("left", "-120.5");
    initialised.seed("sspeed", "90");
    const float left = LoadSettings(initialised, kScreenWidth);
    EXPECT_TRUE(initialised.writes.isEmpty());
    EXPECT_EQ(Settings.ce, 0);
    EXPECT_EQ(Settings.rd, 3);
    EXPECT_EQ(Settings.guagen, 10335);
    EXPECT_EQ(Settings.sspeed, 90);
    EXPECT_FLOAT_EQ(left, -120.5f);
}

TEST_F(SettingsPersistence, absentOrUnreadableKeysTakeTheirDefaultsAndStartUpGoesOn) {
    initialised.values.remove("Vesk/French/n");
    initialised.seed("etime", "five");
    initialised.seed("guagen", "");
    initialised.seed("voice", "40000"); // beyond 16 bits
    initialised.seed("left", "middle");
    const float left = LoadSettings(initialised, kScreenWidth);
    EXPECT_TRUE(initialised.writes.isEmpty()) << "the defaults are used, not written";
    EXPECT_EQ(QList<int>({Settings.n, Settings.etime, Settings.guagen, Settings.voice}),
              QList<int>({2, 5, 11000, 1}));
    EXPECT_FLOAT_EQ(left, 5680.0f);
}

TEST_F(SettingsPersistence, valuesNoControlCanShowAreBroughtIntoRange) {
    const struct {
        const char* n;
        const char* etime;
        const char* ctime;
        const char* guage;
        QList<int> loaded;
    } cases[] = {{"0", "99", "-4", "25", {1, 15, 3, 21}},
                 {"13", "4", "16", "-1", {12, 5, 15, 0}},
                 {"2.5", "7", "3.5", "0", {2, 7, 4, 0}}};
    for (const auto& c : cases) {
        initialised.seed("n", c.n);
        initialised.seed("etime", c.etime);
        initialised.seed("ctime", c.ctime);
        initialised.seed("guage", c.guage);
        LoadSettings(initialised, kScreenWidth);
        EXPECT_EQ(QList<int>({Settings.n, Settings.etime, Settings.ctime, Settings.guage}),
                  c.loaded);
    }
}

TEST(StoredText, singlesRoundTripWithoutNeedlessDigits) {
    EXPECT_EQ(textFromSingle(5680.0f), "5680");
    EXPECT_EQ(textFromSingle(-120.25f), "-120.25");
    for (float value : {5680.0f, 5680.5f, 123456.7f})
        EXPECT_FLOAT_EQ(*singleFromText(textFromSingle(value)), value);
    EXPECT_FALSE(singleFromText("1e300"));
    EXPECT_EQ(integerFromText("-32768"), -32768);
    EXPECT_FALSE(integerFromText("12abc"));
}

} // namespace
