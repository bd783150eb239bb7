// Desktop-wide keys under the test's control: combinations listed as taken cannot be had, and
// the test presses the others by name.
#pragma once

#include "platform/global_shortcuts.h"

#include <QMap>
#include <QStringList>

class FakeGlobalShortcuts : public GlobalShortcuts {
public:
    QString unavailable() const override { return reason; }
    bool add(const QString& combination, std::function<void()> action) override {
        if (!reason.isEmpty() || taken.contains(combination))
            return false;
        bound[combination] = std::move(action);
        return true;
    }
    bool press(const QString& combination) {
        if (!bound.contains(combination))
            return false;
        bound[combination]();
        return true;
    }

    QString reason;
    QStringList taken;
    QMap<QString, std::function<void()>> bound;
};
