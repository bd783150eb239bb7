#include "core/learning/listen_first.h"

#include "core/playback/speaking_character.h"
#include "core/settings/settings_record.h"

#include <algorithm>

FrenchHold::Start ListenFirst::begin(SpeakingCharacter* character, const QString& french) {
    m_reader = nullptr;
    // Read-aloud off or a hidden character: there is nothing to listen to.
    if (!m_enabled || !m_settings.readsAloud() || !character || !character->isVisible())
        return Start::Off;
    const CharacterResult reading = character->speakWithoutBalloon(french);
    character->play(QStringLiteral("Wave"));
    if (!reading.ok())
        return Start::Unheard; // no French voice: the learner reads instead
    m_reader = character;
    m_deadline = std::max(m_clock(), kEngineGraceMs) + speakingLimitMs(french);
    return Start::Holding;
}

bool ListenFirst::holding() {
    // The character's own limit normally ends the reading; the deadline guards against a
    // reading that never reports its end.
    if (!m_reader || !m_reader->isSpeaking() || m_clock() >= m_deadline) {
        m_reader = nullptr;
        return false;
    }
    return true;
}
