// A timer control: an interval, an enabled switch and one tick, over QTimer.
#pragma once

#include <QObject>
#include <QTimer>

class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(int interval, bool enabled, QObject* parent = nullptr);

    int interval() const { return m_timer.interval(); }
    // Setting the interval of a running timer starts its count again.
    void setInterval(int milliseconds);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

signals:
    void tick();

private:
    QTimer m_timer;
    bool m_enabled = false;
};
