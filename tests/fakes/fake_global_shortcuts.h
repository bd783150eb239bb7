// Desktop-wide keys under the test's control: combinations listed as taken cannot be had, and
// the test presses the others by name.
#pragma once

#include "core/ports/global_shortcuts.h"

#include <QMap>
#include <QStringList>

class FakeGlobalShortcuts : public GlobalShortcuts {
public:
    QString unavailable() const override { return {}; }
    bool add(const QString& combination, std::function<void()> action) override {
        if (!taken.contains(combination))
            bound[combination] = std::move(action);
        return !taken.contains(combination);
    }
    void press(const QString& combination) {
        bound.value(combination, [] {})();
    }

    QStringList taken;
    QMap<QString, std::function<void()>> bound;
};
