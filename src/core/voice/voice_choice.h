// The learner's choice of voice, as a menu sees it: the French voices installed, the one in use,
// and choosing another. Remembered in a settings group of its own, beside [French].
#pragma once

#include <QObject>
#include <QStringList>

class SettingsStore;

class VoiceChoice : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Empty until the speech engine is up.
    virtual QStringList voices() const = 0;
    virtual QString currentVoice() const = 0;
    // The languages some installed voice reads (BCP 47 names): those a deck can be heard in.
    virtual QStringList languages() const = 0;
    // Switches at once, reads the sentence on the bar with the new voice, and remembers it.
    virtual void chooseVoice(const QString& name) = 0;

signals:
    void voicesChanged();
};

// The stored choice: empty when there is none.
QString storedVoice(const SettingsStore& store);
void storeVoice(SettingsStore& store, const QString& name);
