// A caption bar that only remembers what the chrome and the play cycle did to it.
#pragma once

#include "core/playback/caption_bar_view.h"
#include "core/ports/pointer_source.h"

#include <optional>

class FakeCaptionBarView : public CaptionBarView {
public:
    void setFrenchLine(const QString& text) override { frenchLine = text; }
    void setEnglishLine(const QString& text) override { englishLine = text; }
    int englishLineTop() const override { return englishTop; }
    void setEnglishLineTop(int twips) override { englishTop = twips; }
    void setLineTooltips(const QString&, const QString&) override {}
    double barHeight() const override { return height; }
    void setBarHeight(double twips) override { height = twips; }
    void setVisible(bool shown) override { visible = shown; }
    bool dragging() const override { return isDragging; }
    QRect barRect() const override { return rect; }
    int32_t fullHeight() const override { return 340; }
    void drawBottomLine(RgbColour colour) override { line = colour; }
    void clearBottomLine() override { line.reset(); }
    int lineOverflow(BarLine line) const override {
        return overflow[int(line)] + (paused || listening ? signCover : 0);
    }
    void setLineScroll(BarLine line, int pixels) override { scroll[int(line)] = pixels; }
    int lineScroll(BarLine line) const override { return scroll[int(line)]; }
    void showListening(bool on) override { listening = on; }
    void showPaused(bool on) override { paused = on; }

    QString frenchLine, englishLine;
    int englishTop = 400;
    double height = 340;
    bool visible = false, isDragging = false, listening = false;
    bool paused = false;
    QRect rect{379, 0, 477, 23};
    std::optional<RgbColour> line;
    int overflow[2] = {}, scroll[2] = {}; // French, English
    int signCover = 0;                    // what a sign beside the picture takes of the room
};

// A pointer the test moves by hand.
class FakePointer : public PointerSource {
public:
    QPoint cursorPos() const override { return at; }
    QPoint at{0, 500};
};
