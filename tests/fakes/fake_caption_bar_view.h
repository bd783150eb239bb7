// A caption bar that only remembers what the timers did to it.
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
    double barHeight() const override { return height; }
    void setBarHeight(double twips) override { height = twips; }
    void setVisible(bool shown) override { visible = shown; }
    bool menuEnabled() const override { return pictureEnabled; }
    bool dragging() const override { return isDragging; }
    QRect barRect() const override { return rect; }
    int32_t fullHeight() const override { return 340; }
    void drawBottomLine(RgbColour colour) override { line = colour; }
    void clearBottomLine() override { line.reset(); }
    void closeSplash() override { ++splashCloses; }
    const QString& french() const override { return frenchText; }
    const QString& english() const override { return englishText; }
    void selectNextSentence() override { show(++selections); }
    bool selectPreviousSentence() override { return selections > 1 && show(--selections); }
    SpeakingCharacter* character() const override { return speaker; }
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
    bool visible = false, pictureEnabled = true, isDragging = false, listening = false;
    bool paused = false;
    QRect rect{379, 0, 477, 23};
    std::optional<RgbColour> line;
    int splashCloses = 0, selections = 0;
    QString frenchText, englishText;
    SpeakingCharacter* speaker = nullptr;
    int overflow[2] = {}, scroll[2] = {}; // French, English
    int signCover = 0;                    // what a sign beside the picture takes of the room

private:
    bool show(int number) {
        frenchText = QStringLiteral("Phrase %1.  ").arg(number);
        englishText = QStringLiteral("Sentence %1.  ").arg(number);
        return true;
    }
};

// A pointer the test moves by hand.
class FakePointer : public PointerSource {
public:
    QPoint cursorPos() const override { return at; }
    QPoint at{0, 500};
};
