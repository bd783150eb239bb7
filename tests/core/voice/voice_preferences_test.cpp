// Which voice reads the French, from fake lists of installed voices as the engines report them.
#include "core/voice/voice_preferences.h"

#include <gtest/gtest.h>

namespace {

// "name" is a voice of fr_FR; "name@xx_YY" one of that locale.
QList<InstalledVoice> voices(const QStringList& entries) {
    QList<InstalledVoice> list;
    for (const QString& entry : entries)
        list << InstalledVoice{
            entry.section('@', 0, 0),
            QLocale(entry.section('@', 1).isEmpty() ? "fr_FR" : entry.section('@', 1))};
    return list;
}

const QStringList kEspeak = {"French (Belgium)@fr_BE", "French (France)+Annie", "French (France)",
                             "French (Switzerland)@fr_CH", "English (America)@en_US"};
const QStringList kMbrola = {"french-mbrola-1", "french-mbrola-2", "french-mbrola-4",
                             "french-mbrola-7"};

TEST(VoicePreferences, picksTheBestInstalledFrenchVoiceOrTheLearnersOwn) {
    const QStringList mbrola12 = {"french-mbrola-2", "french-mbrola-1"};
    const QStringList withPico = kEspeak + QStringList{"virginie"};
    const QStringList windows = {
        "Microsoft Caroline@fr_CA", "Microsoft Zira@en_US", "Microsoft Hortense Desktop",
        "Microsoft Hortense",       "Microsoft Paul",       "Microsoft Julie"};
    const struct {
        const char* what;
        QStringList installed;
        QString stored, expected; // "none": no pick at all
        double volume, rate;
    } cases[] = {
        {"pico first", withPico + kMbrola, "", "virginie", 1, 0},
        {"only MBROLA: fr4, quieter, slower", kMbrola, "", "french-mbrola-4", 0.4, -0.2},
        {"MBROLA without fr4", mbrola12, "", "french-mbrola-1", .5, -.2},
        {"any other MBROLA", {"french-mbrola-7", kEspeak[2]}, "", "french-mbrola-7", .5, -.2},
        {"espeak-ng: not a variant", kEspeak, "", "French (France)", 1, 0},
        {"fr-FR before a variant", {kEspeak[1], "Amélie"}, "", "Amélie", 1, 0},
        {"Belgian and Swiss only", {kEspeak[3], kEspeak[0]}, "", "French (Switzerland)", 1, 0},
        {"the stored choice", withPico, "French (Belgium)", "French (Belgium)", 1, 0},
        {"stored, no longer installed", kEspeak, "virginie", "French (France)", 1, 0},
        {"stored, not French", kEspeak, "English (America)", "French (France)", 1, 0},
        {"no French voice", {kEspeak[4]}, "French (France)", "none", 1, 0},
        {"Windows: OneCore's Julie first", windows, "", "Microsoft Julie", 1, 0},
        {"Windows: else fr-FR first", {windows[0], windows[2]}, "", windows[2], 1, 0},
    };
    for (const auto& c : cases) {
        const VoicePick pick =
            pickVoice(voices(c.installed), c.stored).value_or(VoicePick{"none", {}});
        EXPECT_EQ(std::make_tuple(pick.name, pick.tuning.volume, pick.tuning.rate),
                  std::make_tuple(c.expected, c.volume, c.rate))
            << c.what;
    }
}

TEST(VoicePreferences, theMenuOffersTheFrenchVoicesBestFirstWithoutVariants) {
    EXPECT_EQ(selectableVoices(voices(kEspeak + kMbrola + QStringList{"virginie"})),
              QStringList({"virginie", "french-mbrola-4", "french-mbrola-1", "french-mbrola-2",
                           "french-mbrola-7", "French (France)", "French (Belgium)",
                           "French (Switzerland)"}));
    EXPECT_DOUBLE_EQ(slowRate(0.0), -0.6) << "1.5 times as long with espeak-ng";
    EXPECT_DOUBLE_EQ(slowRate(-0.2), -0.8);
    EXPECT_DOUBLE_EQ(slowRate(-0.9), -1.0) << "within the engine's range";
}

TEST(VoicePreferences, aDeckInAnotherLanguageGetsThatLanguagesBestVoice) {
    const QStringList german = {"German+Max@de_DE", "German (Switzerland)@de_CH", "German@de_DE",
                                "Microsoft Hedda@de_DE"};
    const auto pick = [](const QStringList& installed, QLocale::Language language) {
        return pickVoiceFor(voices(installed), language).value_or(VoicePick{"none", {}}).name;
    };
    EXPECT_EQ(pick(kEspeak + german, QLocale::German), "German") << "at home, not a variant";
    EXPECT_EQ(pick({german[1], german[0]}, QLocale::German), "German (Switzerland)");
    EXPECT_EQ(pick(kEspeak, QLocale::English), "English (America)");
    EXPECT_EQ(pick(kEspeak, QLocale::Spanish), "none");
    EXPECT_EQ(pick(kEspeak + kMbrola, QLocale::French), "french-mbrola-4") << "as for the table";
}

TEST(VoicePreferences, theLanguagesSpokenAreNamedOnceEach) {
    EXPECT_EQ(spokenLanguages(
                  {QLocale("fr_FR"), QLocale("de_DE"), QLocale("fr_CA"), QLocale(QLocale::C)}),
              QStringList({"fr", "de"}));
    EXPECT_EQ(otherLanguageVoiceLine({"German", {1.0, 0.0, "espeak-ng"}}, QLocale::German),
              "voice \"German\" (espeak-ng) for German");
}

} // namespace
