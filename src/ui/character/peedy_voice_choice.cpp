#include "ui/character/peedy_voice_choice.h"

#include "ui/character/peedy_character.h"

PeedyVoiceChoice::PeedyVoiceChoice(PeedyCharacter& peedy, SettingsStore& store)
    : m_peedy(peedy), m_store(store) {
    connect(&m_peedy, &PeedyCharacter::voicesChanged, this, &VoiceChoice::voicesChanged);
}

QStringList PeedyVoiceChoice::voices() const {
    return m_peedy.voices();
}

QString PeedyVoiceChoice::currentVoice() const {
    return m_peedy.voice();
}

QStringList PeedyVoiceChoice::languages() const {
    return m_peedy.languages();
}

void PeedyVoiceChoice::chooseVoice(const QString& name) {
    if (!m_peedy.voices().contains(name) || name == m_peedy.voice())
        return;
    storeVoice(m_store, name);
    m_peedy.chooseVoice(name);
}
