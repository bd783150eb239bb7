// The voices Windows' speech API (SAPI) can read with, as its token registry lists them: the
// SAPI 5 category (for French usually only "Microsoft Hortense Desktop") and the OneCore one
// (Hortense, Julie and Paul), each for the machine and for the user. Plain data over a token
// source, so the listing is the same on any system; windows/sapi_speech_engine.cpp reads the
// real registry through COM.
#pragma once

#include "core/voice/voice_preferences.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

struct SapiToken {
    QString id;       // what the source knows the token by
    QString name;     // its Name attribute
    QString language; // its Language attribute: hexadecimal language ids, ';' between ("40C")
};

class SapiTokenSource {
public:
    virtual ~SapiTokenSource() = default;
    // The tokens of a category, none where the category does not exist.
    virtual QList<SapiToken> tokens(const QString& category) = 0;
};

// SAPI 5's voices and OneCore's, each for the machine, then for the user.
QStringList sapiVoiceCategories();

struct SapiVoice {
    SapiToken token;
    QLocale locale;
};

// Every voice once by name, the first found kept: a voice listed in both the machine's and the
// user's registry is one voice.
QList<SapiVoice> listSapiVoices(SapiTokenSource& source);

// The locale of the first language id in a Language attribute ("40C;C0C": French, France). Only
// French is told apart by country; any other language is one the program does not read with.
QLocale localeForSapiLanguage(const QString& attribute);

// As the preference list takes them.
QList<InstalledVoice> installedVoices(const QList<SapiVoice>& voices);
