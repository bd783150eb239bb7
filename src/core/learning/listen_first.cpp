#include "core/learning/listen_first.h"

#include "core/settings/settings_record.h"
#include "core/playback/speaking_character.h"

#include <algorithm>

FrenchHold::Start ListenFirst::begin(SpeakingCharacter* agent, const QString& french) {
    m_agent = nullptr;
    // Read-aloud off or a hidden character: there is nothing to listen to.
    if (!m_enabled || Settings.readAloud != 1 || !agent || !agent->isVisible())
        return Start::Off;
    const CharacterResult reading = agent->speakWithoutBalloon(french);
    agent->play(QStringLiteral("Wave"));
    if (!reading.ok())
        return Start::Unheard; // no French voice: the learner reads instead
    m_agent = agent;
    m_deadline = std::max(m_clock(), kEngineGraceMs) + speakingLimitMs(french);
    return Start::Holding;
}

bool ListenFirst::holding() {
    // The character's own limit normally ends the reading; the deadline guards against a
    // reading that never reports its end.
    if (!m_agent || !m_agent->isSpeaking() || m_clock() >= m_deadline) {
        m_agent = nullptr;
        return false;
    }
    return true;
}
