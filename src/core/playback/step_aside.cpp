#include "core/playback/step_aside.h"

#include "core/logging.h"
#include "core/settings/bar_settings.h"

StepAside::StepAside(SettingsStore& store, std::function<QRect()> barMonitor, QObject* parent)
    : QObject(parent), m_store(store), m_barMonitor(std::move(barMonitor)) {}

void StepAside::setWatch(FullScreenWatch* watch) {
    if (m_watch)
        m_watch->disconnect(this);
    m_watch = watch;
    m_noWatch = !watch;
    if (!watch) {
        sayNoWatch();
        return;
    }
    connect(watch, &FullScreenWatch::activeWindowChanged, this, &StepAside::follow);
    if (m_enabled)
        watch->start();
}

void StepAside::load() {
    m_enabled = readBarChoice(m_store, BarKeys::kStepAside) == 1;
    if (m_enabled && m_watch)
        m_watch->start();
    sayNoWatch();
}

void StepAside::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    writeBarChoice(m_store, BarKeys::kStepAside, enabled ? 1 : 0);
    if (m_watch) {
        if (enabled)
            m_watch->start();
        else
            m_watch->stop();
    }
    if (!enabled)
        setHolding(false);
    sayNoWatch();
    emit enabledChanged(enabled);
}

void StepAside::sayNoWatch() {
    if (!m_noWatch || !m_enabled || m_saidNoWatch)
        return;
    m_saidNoWatch = true;
    qCWarning(lcDesktop) << "this display tells no program which window is full screen: the bar "
                            "does not step aside for one";
}

bool StepAside::coversMonitor(const ActiveWindow& window, const QRect& monitor) {
    if (window.ours)
        return false;
    if (window.geometry.isEmpty()) // the system says the screen is taken, not where
        return window.fullScreen;
    // A window belongs to the monitor its middle is on.
    if (!monitor.contains(window.geometry.center()))
        return false;
    return window.fullScreen || (window.frameless && window.geometry.contains(monitor));
}

void StepAside::follow(const ActiveWindow& window) {
    if (m_enabled)
        setHolding(coversMonitor(window, m_barMonitor()));
}

void StepAside::setHolding(bool holding) {
    if (holding == m_holding)
        return;
    m_holding = holding;
    emit holdChanged(holding);
}
