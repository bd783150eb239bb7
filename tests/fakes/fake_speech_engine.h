// A speech engine under the test's control: it records what it is asked and answers when told.
#pragma once

#include "core/ports/speech_engine.h"

#include <QStringList>

class FakeSpeechEngine : public SpeechEngine {
public:
    void start() override { ++starts; }
    void setLocale(const QLocale& locale) override { locales << locale; }
    void setVoice(const QString& name) override { voices << name; }
    void say(const QString& text) override { said << text; }
    void saySlowly(const QString& text) override { said << "slowly:" + text; }
    void stop() override { ++stops; }

    void becomeAvailable() { emit availabilityKnown(true, QString()); }
    void fail(const QString& problem) { emit availabilityKnown(false, problem); }
    void breakDown() { emit failed(QStringLiteral("the daemon went away")); }
    void finishUtterance() { emit finished(); }

    int starts = 0, stops = 0;
    QList<QLocale> locales;
    QStringList voices;
    QStringList said;
};
