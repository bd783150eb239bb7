// A full-screen watch the test tells which window has the focus.
#pragma once

#include "core/ports/full_screen_watch.h"

class FakeFullScreenWatch : public FullScreenWatch {
public:
    void start() override { running = true; }
    void stop() override { running = false; }
    void focus(const ActiveWindow& window) { emit activeWindowChanged(window); }

    bool running = false;
};
