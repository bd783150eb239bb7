// Which installed voice reads the French, and how loud and fast: the voices worth having, best
// first, each with the volume and rate at which it neither clips nor races.
#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

struct InstalledVoice {
    QString name;
    QLocale locale;
};

struct VoiceTuning {
    double volume = 1.0; // 0 to 1, as the speech engine takes it
    double rate = 0.0;   // -1 (slowest) to 1 (fastest); 0 is the voice's normal pace
    QString family;      // the synthesiser behind the voice, when known: "pico", "mbrola", ...
};

struct VoicePick {
    QString name;
    VoiceTuning tuning;
};

// The learner's stored choice when it is still installed; otherwise the best French voice there
// is. Nothing when no French voice is installed.
std::optional<VoicePick> pickVoice(const QList<InstalledVoice>& installed,
                                   const QString& storedChoice);

// A deck in another language is read by the best voice of that language, by the same rules: one
// of its home country that is not a variant first. Nothing when no voice speaks it.
std::optional<VoicePick> pickVoiceFor(const QList<InstalledVoice>& installed,
                                      QLocale::Language language);

// The languages the engine's locales speak, as BCP 47 names ("fr", "de"), each once.
QStringList spokenLanguages(const QList<QLocale>& locales);

// The line told when a deck in another language begins, naming its voice.
QString otherLanguageVoiceLine(const VoicePick& pick, QLocale::Language language);

// The French voices a learner may choose from, best first; espeak-ng's hundreds of
// "+variant" entries are left out.
QStringList selectableVoices(const QList<InstalledVoice>& installed);

// Volume and rate for any voice by name.
VoiceTuning tuningFor(const QString& name);

// The rate for reading a sentence slowly with a voice whose own rate is the one given.
double slowRate(double voiceRate);

// The start-up line (after "speech: "): engine, voice and how long the engine took to come up.
QString speechReadyLine(const QString& engine, const VoicePick& pick, qint64 startMs);
