#include "core/playback/bar_away.h"

#include "core/playback/bar_chrome.h"
#include "core/playback/play_cycle.h"

BarAway::BarAway(PlayCycle& cycle, const BarChrome& chrome, QObject* parent)
    : QObject(parent), m_cycle(cycle), m_chrome(chrome) {
    connect(&chrome, &BarChrome::welcomeEnded, this, &BarAway::apply);
}

void BarAway::hold(Reason reason, bool held) {
    if (held)
        m_reasons.insert(reason);
    else
        m_reasons.erase(reason);
    apply();
}

void BarAway::apply() {
    const bool away = !m_reasons.empty() && m_chrome.welcomeOver();
    if (away == m_away)
        return;
    m_away = away;
    // The cycle stops before the windows go, and the windows are back before it plays on.
    if (away) {
        m_cycle.stepAway();
        emit awayChanged(true);
    } else {
        emit awayChanged(false);
        m_cycle.comeBack();
    }
}
