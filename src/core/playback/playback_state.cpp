#include "core/playback/playback_state.h"

void PlaybackState::setSentence(int frenchId, const QString& french, const QString& english) {
    m_frenchId = frenchId;
    m_french = french;
    m_english = english;
}
