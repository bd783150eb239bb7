// The Windows voices as SAPI's token registry lists them, over a fake registry.
#include "platform/sapi_voice_list.h"

#include <QHash>
#include <gtest/gtest.h>

namespace {

class FakeTokens : public SapiTokenSource {
public:
    QList<SapiToken> tokens(const QString& category) override { return lists.value(category); }
    QHash<QString, QList<SapiToken>> lists;
};

const QString kMachine = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\");
const QString kUser = QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\");

// A Windows 11 with the French speech pack, one voice added for the user alone, and an English
// and a Canadian voice.
FakeTokens windows11() {
    FakeTokens fake;
    fake.lists[kMachine + "Speech\\Voices"] = {{"d1", "Microsoft Hortense Desktop", "40C"},
                                               {"d2", "Microsoft Zira Desktop", "409"}};
    fake.lists[kMachine + "Speech_OneCore\\Voices"] = {{"o1", "Microsoft Hortense", "40C"},
                                                       {"o2", "Microsoft Paul", "40C"},
                                                       {"o3", "", "40C"},
                                                       {"o4", "Microsoft Caroline", "C0C"}};
    fake.lists[kUser + "Speech_OneCore\\Voices"] = {{"u1", "Microsoft Julie", "40C"},
                                                    {"u2", "Microsoft Paul", "40C"}};
    return fake;
}

TEST(SapiVoiceList, listsBothCategoriesOfMachineAndUserEachVoiceOnce) {
    FakeTokens fake = windows11();
    QStringList seen;
    for (const SapiVoice& voice : listSapiVoices(fake))
        seen << voice.token.id + '=' + voice.locale.name();
    EXPECT_EQ(seen,
              QStringList({"d1=fr_FR", "d2=C", "o1=fr_FR", "o2=fr_FR", "o4=fr_CA", "u1=fr_FR"}))
        << "the nameless token and the user's second Paul are left out";
}

TEST(SapiVoiceList, theOneCoreVoicesComeBeforeTheDesktopOne) {
    FakeTokens fake = windows11();
    const QList<InstalledVoice> installed = installedVoices(listSapiVoices(fake));
    EXPECT_EQ(selectableVoices(installed),
              QStringList({"Microsoft Julie", "Microsoft Paul", "Microsoft Hortense",
                           "Microsoft Hortense Desktop", "Microsoft Caroline"}));
    EXPECT_EQ(pickVoice(installed, QString())->tuning.family, "OneCore");
}

TEST(SapiVoiceList, readsTheFirstLanguageOfTheLanguageAttribute) {
    const std::pair<const char*, const char*> cases[] = {
        {"40C", "fr_FR"}, {"40c;c0c", "fr_FR"}, {"C0C;40C", "fr_CA"},
        {"80C", "fr_BE"}, {"100C", "fr_CH"},    {"409", "C"},
        {"", "C"},        {"French", "C"},
    };
    for (const auto& [attribute, locale] : cases)
        EXPECT_EQ(localeForSapiLanguage(attribute).name(), locale) << attribute;
}

} // namespace
