#include "core/playback/line_scroll.h"

#include <algorithm>

LineScroll::LineScroll(CaptionBarView& bar, QObject* parent) : QObject(parent), m_bar(bar) {
    connect(&m_timer, &Timer::tick, this, &LineScroll::onTick);
}

void LineScroll::startIfLong(BarLine line) {
    const int overflow = m_bar.lineOverflow(line);
    if (overflow <= 0)
        return;
    m_line = line;
    m_ticks = 0;
    m_distance = overflow;
    m_timer.setEnabled(true);
}

void LineScroll::onTick() {
    if (!m_line)
        return;
    ++m_ticks;
    const int moved = std::clamp((m_ticks - kLeadTicks) * kPixelsPerTick, 0, m_distance);
    m_bar.setLineScroll(*m_line, moved);
    if (moved == m_distance)
        stop();
}

void LineScroll::stop() {
    m_line.reset();
    m_timer.setEnabled(false);
}

void LineScroll::remeasure() {
    if (m_line)
        m_distance = m_bar.lineOverflow(*m_line);
}
