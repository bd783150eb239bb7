#include "core/voice/voice_preferences.h"

#include <algorithm>

namespace {

// The preference list. Pico is by far the cleanest; MBROLA fr4 clips above volume 0.4 and every
// MBROLA voice runs about a quarter faster than the rest; espeak-ng is clean but robotic and
// lists a hundred "+variant" copies of each voice, which are only a last resort.
struct Preference {
    enum Match { Named, NamePrefix, FranceWithoutVariant, AnyFrench } match;
    const char* name;
    VoiceTuning tuning;
};

const Preference kPreferences[] = {
    {Preference::Named, "virginie", {1.0, 0.0, "pico"}},
    {Preference::Named, "french-mbrola-4", {0.4, -0.2, "mbrola"}},
    {Preference::Named, "french-mbrola-1", {0.5, -0.2, "mbrola"}},
    {Preference::NamePrefix, "french-mbrola-", {0.5, -0.2, "mbrola"}},
    {Preference::Named, "French (France)", {1.0, 0.0, "espeak-ng"}},
    // Windows: OneCore's three natural voices, then SAPI 5's older one.
    {Preference::Named, "Microsoft Julie", {1.0, 0.0, "OneCore"}},
    {Preference::Named, "Microsoft Paul", {1.0, 0.0, "OneCore"}},
    {Preference::Named, "Microsoft Hortense", {1.0, 0.0, "OneCore"}},
    {Preference::Named, "Microsoft Hortense Desktop", {1.0, 0.0, {}}},
    {Preference::FranceWithoutVariant, "", {1.0, 0.0, {}}},
    {Preference::AnyFrench, "", {1.0, 0.0, {}}},
};

// Where a language is at home: France for French, Germany for German.
QLocale::Territory homeOf(QLocale::Language language) {
    return QLocale(language).territory();
}

bool isVariant(const QString& name) {
    return name.contains(QLatin1Char('+'));
}

bool matchesName(const Preference& preference, const QString& name) {
    const QLatin1String wanted(preference.name);
    switch (preference.match) {
    case Preference::Named:
        return name.compare(wanted, Qt::CaseInsensitive) == 0;
    case Preference::NamePrefix:
        return name.startsWith(wanted, Qt::CaseInsensitive);
    default:
        return false;
    }
}

// The named voices are French ones; the last two rules hold for any language.
bool matches(const Preference& preference, const InstalledVoice& voice) {
    switch (preference.match) {
    case Preference::FranceWithoutVariant:
        return voice.locale.territory() == homeOf(voice.locale.language()) &&
               !isVariant(voice.name);
    case Preference::AnyFrench:
        return true;
    default:
        return matchesName(preference, voice.name);
    }
}

// The rank of a voice in the preference list: lower is better.
int rankOf(const InstalledVoice& voice) {
    const auto found = std::find_if(std::begin(kPreferences), std::end(kPreferences),
                                    [&](const Preference& p) { return matches(p, voice); });
    return int(found - std::begin(kPreferences));
}

QList<InstalledVoice> bestFirst(const QList<InstalledVoice>& installed,
                                QLocale::Language language) {
    QList<InstalledVoice> spoken;
    std::copy_if(installed.begin(), installed.end(), std::back_inserter(spoken),
                 [language](const InstalledVoice& v) { return v.locale.language() == language; });
    std::stable_sort(
        spoken.begin(), spoken.end(),
        [](const InstalledVoice& a, const InstalledVoice& b) { return rankOf(a) < rankOf(b); });
    return spoken;
}

QList<InstalledVoice> frenchBestFirst(const QList<InstalledVoice>& installed) {
    return bestFirst(installed, QLocale::French);
}

} // namespace

std::optional<VoicePick> pickVoice(const QList<InstalledVoice>& installed,
                                   const QString& storedChoice) {
    const QList<InstalledVoice> french = frenchBestFirst(installed);
    if (french.isEmpty())
        return std::nullopt;
    QString name = french.front().name;
    if (!storedChoice.isEmpty() &&
        std::any_of(french.begin(), french.end(),
                    [&](const InstalledVoice& v) { return v.name == storedChoice; }))
        name = storedChoice;
    return VoicePick{name, tuningFor(name)};
}

std::optional<VoicePick> pickVoiceFor(const QList<InstalledVoice>& installed,
                                      QLocale::Language language) {
    const QList<InstalledVoice> spoken = bestFirst(installed, language);
    if (spoken.isEmpty())
        return std::nullopt;
    return VoicePick{spoken.front().name, tuningFor(spoken.front().name)};
}

QStringList spokenLanguages(const QList<QLocale>& locales) {
    QStringList languages;
    for (const QLocale& locale : locales) {
        const QString code = QLocale::languageToCode(locale.language());
        if (locale.language() != QLocale::C && !languages.contains(code))
            languages << code;
    }
    return languages;
}

QString otherLanguageVoiceLine(const VoicePick& pick, QLocale::Language language) {
    const QString family =
        pick.tuning.family.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(pick.tuning.family);
    return QStringLiteral("voice \"%1\"%2 for %3")
        .arg(pick.name, family, QLocale::languageToString(language));
}

QStringList selectableVoices(const QList<InstalledVoice>& installed) {
    QStringList names;
    for (const InstalledVoice& voice : frenchBestFirst(installed))
        if (!isVariant(voice.name) && !names.contains(voice.name))
            names << voice.name;
    return names;
}

VoiceTuning tuningFor(const QString& name) {
    for (const Preference& preference : kPreferences)
        if (matchesName(preference, name))
            return preference.tuning;
    return {};
}

// A slow reading must be clearly slower: espeak-ng reads 119 characters in 6.3 s at its own
// pace, 7.6 s (1.2 times) at -0.3 and 9.5 s (1.5 times) at -0.6.
double slowRate(double voiceRate) {
    return std::clamp(voiceRate - 0.6, -1.0, 1.0);
}

QString speechReadyLine(const QString& engine, const VoicePick& pick, qint64 startMs) {
    const QString family =
        pick.tuning.family.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(pick.tuning.family);
    return QStringLiteral("engine %1, voice \"%2\"%3, ready in %4 s")
        .arg(engine, pick.name, family, QString::number(startMs / 1000.0, 'f', 1));
}
