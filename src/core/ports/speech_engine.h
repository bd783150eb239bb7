// A text-to-speech engine that may take seconds to come up, or never come up, and whose
// utterances may never finish (no audio device). Every call returns at once.
#pragma once

#include <QLocale>
#include <QObject>
#include <QStringList>

class SpeechEngine : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Begins bringing the engine up; availabilityKnown() follows when that is settled. Called
    // again after failed(), it drops the broken engine and brings up a fresh one.
    virtual void start() = 0;
    virtual void setLocale(const QLocale& locale) = 0;
    // The learner's choice: before start() the voice to prefer, afterwards a switch at once.
    virtual void setVoice(const QString& name) = 0;
    // Each sentence replaces the one before: an older one still waiting is never read, and one
    // being read is cut short.
    virtual void say(const QString& text) = 0;
    // Like say(), at a clearly slower rate; the next say() is at the normal rate again.
    virtual void saySlowly(const QString& text) = 0;
    // Silences the utterance under way at once.
    virtual void stop() = 0;

signals:
    // ok: speech is possible in the chosen locale; problem: what is missing otherwise.
    void availabilityKnown(bool ok, const QString& problem);
    // The French voices to choose from, best first, and the one in use.
    void voicesKnown(const QStringList& voices, const QString& inUse);
    // The languages some voice reads, as BCP 47 names ("fr", "de"): those a deck may be in.
    void languagesKnown(const QStringList& languages);
    // The engine stopped working (its daemon died, say), told as soon as that is noticed rather
    // than when the next sentence is due; it stays silent until started again.
    void failed(const QString& problem);
    // The utterance begun by the last say() has ended.
    void finished();
};
