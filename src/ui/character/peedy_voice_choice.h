// The voice choice over Peedy's speech engine, remembered in the settings store.
#pragma once

#include "core/voice/voice_choice.h"

class PeedyCharacter;

class PeedyVoiceChoice : public VoiceChoice {
    Q_OBJECT
public:
    PeedyVoiceChoice(PeedyCharacter& peedy, SettingsStore& store);

    QStringList voices() const override;
    QString currentVoice() const override;
    QStringList languages() const override;
    void chooseVoice(const QString& name) override;

private:
    PeedyCharacter& m_peedy;
    SettingsStore& m_store;
};
