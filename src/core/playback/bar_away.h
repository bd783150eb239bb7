// Why the bar is away: the learner's snooze, a full-screen window on its monitor. Each reason
// is held and let go on its own, so one ending never brings the bar back while another still
// holds it. A reason that comes during the welcome waits for the welcome's end.
#pragma once

#include <QObject>
#include <set>

class BarChrome;
class PlayCycle;

class BarAway : public QObject {
    Q_OBJECT
public:
    enum class Reason { Snoozed, FullScreen };

    // The cycle stands still while the bar is away and plays on when it is back.
    BarAway(PlayCycle& cycle, const BarChrome& chrome, QObject* parent = nullptr);

    void hold(Reason reason, bool held);
    bool holds(Reason reason) const { return m_reasons.count(reason) > 0; }
    // Whether the bar is away now: a reason holds it and the welcome is over.
    bool isAway() const { return m_away; }

signals:
    // The bar and Peedy are to hide, or to come back.
    void awayChanged(bool away);

private:
    void apply();

    PlayCycle& m_cycle;
    const BarChrome& m_chrome;
    std::set<Reason> m_reasons;
    bool m_away = false;
};
