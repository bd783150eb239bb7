// A line too long for the bar moving left until its end is in view, over one timer (40 ms): a
// moment on the line's start, then steadily left, where it stays.
#pragma once

#include "core/playback/caption_bar_view.h"
#include "core/playback/timer.h"

#include <QObject>
#include <optional>

class LineScroll : public QObject {
    Q_OBJECT
public:
    explicit LineScroll(CaptionBarView& bar, QObject* parent = nullptr);

    Timer& timer() { return m_timer; }
    void onTick();

    // Starts the line moving if it does not fit; a line that fits stays as it is.
    void startIfLong(BarLine line);
    void stop();
    // The line scrolling now, if one is.
    std::optional<BarLine> line() const { return m_line; }
    // The room the scrolling line has changed (a sign beside the picture went): it goes only as
    // far as it now must.
    void remeasure();

    // 2 pixels every 40 ms, 50 pixels a second: about eight characters a second, slow enough to
    // read as it goes, after a second and a half on its start.
    static constexpr int kTickMs = 40;
    static constexpr int kPixelsPerTick = 2;
    static constexpr int kLeadTicks = 38;

private:
    Timer m_timer{kTickMs, false};
    CaptionBarView& m_bar;
    std::optional<BarLine> m_line;
    int m_ticks = 0;
    int m_distance = 0;
};
