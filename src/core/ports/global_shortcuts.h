// Key combinations that work for the whole desktop, whichever program has the focus.
#pragma once

#include <QString>
#include <functional>

class GlobalShortcuts {
public:
    virtual ~GlobalShortcuts() = default;

    // Why this desktop allows no global shortcuts at all (a native Wayland session), or empty.
    virtual QString unavailable() const = 0;

    // Grabs a combination written like "Ctrl+Alt+N" or "Ctrl+Alt+Space"; action runs on every
    // press. False when it cannot be had, typically because another program holds it.
    virtual bool add(const QString& combination, std::function<void()> action) = 0;
};
