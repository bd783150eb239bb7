// "Step aside for full-screen windows": while the learner has it on ([Bar] step_aside=1), a
// full-screen window with the focus on the bar's monitor (a video, a slide show, a game)
// holds the bar away, and its end, or the focus going to another window, lets it go.
#pragma once

#include "core/ports/full_screen_watch.h"

#include <QObject>
#include <QRect>
#include <functional>

class SettingsStore;

class StepAside : public QObject {
    Q_OBJECT
public:
    // barMonitor: the monitor the bar is on now, in the same pixels as the watch reports.
    StepAside(SettingsStore& store, std::function<QRect()> barMonitor, QObject* parent = nullptr);

    // The watch that says which window has the focus; none: the bar never steps aside (said
    // once, if the learner has it on).
    void setWatch(FullScreenWatch* watch);
    // Reads the learner's choice; off when absent.
    void load();
    bool enabled() const { return m_enabled; }
    // Stored at once; turning it off brings the bar back.
    void setEnabled(bool enabled);

    // Whether the bar is to be out of the way now.
    bool holdsBarAway() const { return m_holding; }

    // The rule: a window of another program, full screen (or frameless at the monitor's very
    // size), on the bar's monitor.
    static bool coversMonitor(const ActiveWindow& window, const QRect& monitor);

signals:
    void holdChanged(bool holding);
    void enabledChanged(bool enabled);

private:
    void follow(const ActiveWindow& window);
    void setHolding(bool holding);
    void sayNoWatch();

    SettingsStore& m_store;
    std::function<QRect()> m_barMonitor;
    FullScreenWatch* m_watch = nullptr;
    bool m_enabled = false;
    bool m_holding = false;
    bool m_noWatch = false; // told there is none
    bool m_saidNoWatch = false;
};
