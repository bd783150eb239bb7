// What the playback timers drive: the caption bar's lines, size, visibility and drawing surface.
// Lengths are in twips.
#pragma once

#include <QRect>
#include <QString>
#include <cstdint>

class SpeakingCharacter;

// 0xRRGGBB.
using RgbColour = uint32_t;

// The bar's two lines of text.
enum class BarLine { French, English };

class CaptionBarView {
public:
    virtual ~CaptionBarView() = default;

    virtual void setFrenchLine(const QString& text) = 0; // and the welcome text
    virtual void setEnglishLine(const QString& text) = 0;
    virtual int englishLineTop() const = 0;
    virtual void setEnglishLineTop(int twips) = 0;

    // How far, in pixels, the line's text reaches past the room the bar gives it; 0 when it
    // fits. The line is drawn shifted left by scroll pixels; a new text starts unshifted.
    virtual int lineOverflow(BarLine line) const = 0;
    virtual void setLineScroll(BarLine line, int pixels) = 0;
    virtual int lineScroll(BarLine line) const = 0;
    // The steady signs beside the picture: the French being read before it shows, and the
    // learner's pause. While one shows, a line's room ends at the sign.
    virtual void showListening(bool listening) = 0;
    virtual void showPaused(bool paused) = 0;

    virtual double barHeight() const = 0;
    virtual void setBarHeight(double twips) = 0;
    virtual void setVisible(bool visible) = 0;

    // False while the settings dialog or the About window is open.
    virtual bool menuEnabled() const = 0;

    // The drag state and the full-height rectangle (screen pixels) the auto-hide poll tests
    // against.
    virtual bool dragging() const = 0;
    virtual QRect barRect() const = 0;
    virtual int32_t fullHeight() const = 0; // twips

    // The box along the bottom edge of a collapsed bar, and clearing it.
    virtual void drawBottomLine(RgbColour colour) = 0;
    virtual void clearBottomLine() = 0;

    virtual void closeSplash() = 0;

    // The current sentence, and asking for the next one.
    virtual const QString& french() const = 0;
    virtual const QString& english() const = 0;
    virtual void selectNextSentence() = 0;
    // The sentence before the current one in play order; false, changing nothing, when there
    // is none to go back to.
    virtual bool selectPreviousSentence() = 0;

    virtual SpeakingCharacter* character() const = 0;
};
