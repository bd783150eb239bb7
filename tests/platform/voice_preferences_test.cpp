// Which voice reads the French, from fake lists of installed voices as the engines report them.
#include "fakes/fake_settings_store.h"
#include "platform/voice_choice.h"
#include "platform/voice_preferences.h"

#include <gtest/gtest.h>

namespace {

const QLocale kFrance(QLocale::French, QLocale::France);
const QLocale kBelgium(QLocale::French, QLocale::Belgium);
const QLocale kSwitzerland(QLocale::French, QLocale::Switzerland);
const QLocale kCanada(QLocale::French, QLocale::Canada);
const QLocale kAmerica(QLocale::English, QLocale::UnitedStates);

const QList<InstalledVoice> kEspeak = {
    {"French (Belgium)", kBelgium},         {"French (France)+Annie", kFrance},
    {"French (France)+klatt", kFrance},     {"French (France)", kFrance},
    {"French (Switzerland)", kSwitzerland}, {"French (Switzerland)+Annie", kSwitzerland},
    {"English (America)", kAmerica},
};
const QList<InstalledVoice> kMbrola = {{"french-mbrola-1", kFrance},
                                       {"french-mbrola-2", kFrance},
                                       {"french-mbrola-4", kFrance},
                                       {"french-mbrola-7", kFrance}};

struct Case {
    const char* what;
    QList<InstalledVoice> installed;
    QString stored;
    QString expected; // empty: no voice at all
    double volume;
    double rate;
};

TEST(VoicePreferences, picksTheBestInstalledFrenchVoiceOrTheLearnersOwn) {
    const QList<InstalledVoice> pico = {{"virginie", kFrance}};
    const Case cases[] = {
        {"pico beats everything", kEspeak + kMbrola + pico, "", "virginie", 1.0, 0.0},
        {"only MBROLA: fr4, quietened and slowed", kMbrola, "", "french-mbrola-4", 0.4, -0.2},
        {"MBROLA without fr4: fr1", {kMbrola[1], kMbrola[0]}, "", "french-mbrola-1", 0.5, -0.2},
        {"another MBROLA voice", {kMbrola[3], kMbrola[1]}, "", "french-mbrola-7", 0.5, -0.2},
        {"espeak-ng: the plain voice, not a variant", kEspeak, "", "French (France)", 1.0, 0.0},
        {"an fr-FR voice before a variant",
         {kEspeak[1], {"Amélie", kFrance}},
         "",
         "Amélie",
         1.0,
         0.0},
        {"Belgian and Swiss only: the first French",
         {kEspeak[4], kEspeak[0], kEspeak[6]},
         "",
         "French (Switzerland)",
         1.0,
         0.0},
        {"the stored choice wins", kEspeak + pico, "French (Belgium)", "French (Belgium)", 1.0,
         0.0},
        {"a stored choice no longer installed", kEspeak, "virginie", "French (France)", 1.0, 0.0},
        {"a stored voice that is not French", kEspeak, "English (America)", "French (France)", 1.0,
         0.0},
        {"no French voice at all", {kEspeak[6]}, "French (France)", "", 0, 0},
        {"nothing installed", {}, "", "", 0, 0},
        {"Windows: fr-FR before the others",
         {{"Microsoft Caroline", kCanada},
          {"Microsoft Guillaume", kSwitzerland},
          {"Microsoft Zira", kAmerica},
          {"Microsoft Hortense", kFrance},
          {"Microsoft Paul", kFrance}},
         "",
         "Microsoft Hortense",
         1.0,
         0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<VoicePick> pick = pickVoice(c.installed, c.stored);
        ASSERT_EQ(pick.has_value(), !c.expected.isEmpty());
        if (!pick)
            continue;
        EXPECT_EQ(pick->name, c.expected);
        EXPECT_DOUBLE_EQ(pick->tuning.volume, c.volume);
        EXPECT_DOUBLE_EQ(pick->tuning.rate, c.rate);
    }
}

TEST(VoicePreferences, theMenuOffersTheFrenchVoicesBestFirstWithoutVariants) {
    const QList<InstalledVoice> installed =
        kEspeak + kMbrola + QList<InstalledVoice>{{"virginie", kFrance}};
    EXPECT_EQ(selectableVoices(installed),
              QStringList({"virginie", "french-mbrola-4", "french-mbrola-1", "french-mbrola-2",
                           "french-mbrola-7", "French (France)", "French (Belgium)",
                           "French (Switzerland)"}));
}

TEST(VoicePreferences, slowReadingIsSlowerYetWithinTheEnginesRange) {
    const std::pair<double, double> cases[] = {{0.0, -0.3}, {-0.2, -0.5}, {-0.9, -1.0}};
    for (const auto& [rate, slow] : cases)
        EXPECT_DOUBLE_EQ(slowRate(rate), slow) << rate;
}

TEST(VoicePreferences, theStartLineNamesEngineVoiceFamilyAndTime) {
    EXPECT_EQ(speechReadyLine("speechd", {"virginie", tuningFor("virginie")}, 4849),
              "speech: engine speechd, voice \"virginie\" (pico), ready in 4.8 s");
    EXPECT_EQ(speechReadyLine("sapi", {"Microsoft Julie", tuningFor("Microsoft Julie")}, 300),
              "speech: engine sapi, voice \"Microsoft Julie\", ready in 0.3 s");
}

TEST(VoicePreferences, theChoiceIsKeptInItsOwnGroupAndMadeDurable) {
    FakeSettingsStore store;
    EXPECT_EQ(storedVoice(store), "");
    storeVoice(store, "french-mbrola-1");
    EXPECT_EQ(storedVoice(store), "french-mbrola-1");
    EXPECT_EQ(store.values.keys(), QStringList({"Vesk/Voice/name"})) << "[French] untouched";
    EXPECT_FALSE(store.unsynced);
}

} // namespace
