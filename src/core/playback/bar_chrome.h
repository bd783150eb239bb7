// The bar's chrome, over two timers: welcomeTimer (60 ms) counts the welcome down, scrolling its
// text in and showing the bar, then samples the pointer and applies auto-hide for the rest of the
// run; blinkTimer (1.5 s) blinks the line along a collapsed bar's bottom edge.
#pragma once

#include "core/playback/caption_bar_view.h"
#include "core/playback/timer.h"
#include "core/ports/pointer_source.h"

#include <QObject>
#include <QPoint>
#include <array>
#include <cstdint>

struct SettingsRecord;

class BarChrome : public QObject {
    Q_OBJECT
public:
    // The settings say whether the bar hides itself.
    BarChrome(CaptionBarView& bar, const PointerSource& pointer, const SettingsRecord& settings,
              QObject* parent = nullptr);

    Timer& welcomeTimer() { return m_welcomeTimer; }
    Timer& blinkTimer() { return m_blinkTimer; }

    void onWelcomeTick();
    void onBlinkTick();

    // Start-up's arming of the two timers, the countdown and the line's colours.
    void armForStartUp();

    // The welcome countdown in welcome ticks; it rests at 1 once run out.
    int16_t welcomeCountdown() const { return m_welcomeCountdown; }
    // True once the welcome text is gone and sentences may play.
    bool welcomeOver() const { return m_welcomeCountdown <= 2; }
    // The splash was clicked: the welcome goes on from where the splash would have closed.
    void skipSplash() { m_welcomeCountdown = kSplashClosesAt; }

    // The pointer as the last welcome tick sampled it.
    QPoint cursor() const { return m_cursor; }

    // The sixteen colours of the blinking line, by number.
    static RgbColour paletteColour(int colour);
    static QString welcomeText();

    static constexpr int kCollapsedHeight = 20; // twips
    static constexpr int16_t kWelcomeTicks = 70;
    static constexpr int16_t kSplashClosesAt = 50;

signals:
    // The welcome has come to the point where the splash goes.
    void splashCloseRequested();
    // The welcome text has gone: play may start (on two ticks in a row).
    void welcomeEnded();

private:
    void applyAutoHide();
    void countdownStep();

    // The start states the bar is created with; start-up re-arms them.
    Timer m_welcomeTimer{60, true};
    Timer m_blinkTimer{1500, true};

    CaptionBarView& m_bar;
    const PointerSource& m_pointer;
    const SettingsRecord& m_settings;
    QPoint m_cursor;
    int16_t m_welcomeCountdown = 0;
    // The line's colour now and the next two: green, red, green, red...
    std::array<int16_t, 3> m_lineColours = kFirstLineColours;
    static constexpr std::array<int16_t, 3> kFirstLineColours = {10, 12, 10};
};
