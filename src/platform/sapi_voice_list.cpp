#include "platform/sapi_voice_list.h"

#include <QSet>

namespace {

constexpr unsigned kFrench = 0x0C; // a language id's low ten bits name the language
// The high bits its country, in Windows' numbering for French.
const std::pair<unsigned, QLocale::Territory> kFrenchCountries[] = {
    {1, QLocale::France},      {2, QLocale::Belgium},    {3, QLocale::Canada},
    {4, QLocale::Switzerland}, {5, QLocale::Luxembourg}, {6, QLocale::Monaco},
};

} // namespace

QStringList sapiVoiceCategories() {
    return {QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Voices"),
            QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Speech\\Voices"),
            QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech_OneCore\\Voices"),
            QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Speech_OneCore\\Voices")};
}

QLocale localeForSapiLanguage(const QString& attribute) {
    bool ok = false;
    const unsigned id = attribute.section(QLatin1Char(';'), 0, 0).trimmed().toUInt(&ok, 16);
    if (!ok || (id & 0x3FF) != kFrench)
        return QLocale::c();
    for (const auto& [country, territory] : kFrenchCountries)
        if (id >> 10 == country)
            return QLocale(QLocale::French, territory);
    return QLocale(QLocale::French, QLocale::AnyTerritory);
}

QList<SapiVoice> listSapiVoices(SapiTokenSource& source) {
    QList<SapiVoice> voices;
    QSet<QString> names;
    for (const QString& category : sapiVoiceCategories())
        for (const SapiToken& token : source.tokens(category))
            if (!token.name.isEmpty() && !names.contains(token.name)) {
                names.insert(token.name);
                voices << SapiVoice{token, localeForSapiLanguage(token.language)};
            }
    return voices;
}

QList<InstalledVoice> installedVoices(const QList<SapiVoice>& voices) {
    QList<InstalledVoice> installed;
    for (const SapiVoice& voice : voices)
        installed << InstalledVoice{voice.token.name, voice.locale};
    return installed;
}
