// What the bar's chrome and the play cycle draw on: the caption bar's lines, size, visibility and
// collapsed strip. The bar draws what it is told. Lengths are in twips.
#pragma once

#include <QRect>
#include <QString>
#include <cstdint>

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
    // What the lines' tooltips say.
    virtual void setLineTooltips(const QString& french, const QString& english) = 0;

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

    // The drag state and the full-height rectangle (screen pixels) the auto-hide poll tests
    // against.
    virtual bool dragging() const = 0;
    virtual QRect barRect() const = 0;
    virtual int32_t fullHeight() const = 0; // twips

    // The box along the bottom edge of a collapsed bar, and clearing it.
    virtual void drawBottomLine(RgbColour colour) = 0;
    virtual void clearBottomLine() = 0;
};
