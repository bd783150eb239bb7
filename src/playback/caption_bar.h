// What the playback timers drive: the caption bar's lines, size, visibility and drawing surface.
// Lengths are in twips.
#pragma once

#include "platform/pointer.h"

#include <QString>

class AgentCharacter;

// 0xRRGGBB.
using RgbColour = uint32_t;

class CaptionBar {
public:
    virtual ~CaptionBar() = default;

    virtual void setLabel1(const QString& caption) = 0; // the French line, and the welcome text
    virtual void setLabel2(const QString& caption) = 0; // the English line
    virtual int Label2Top() const = 0;
    virtual void setLabel2Top(int twips) = 0;

    virtual double Height() const = 0;
    virtual void setHeight(double twips) = 0;
    virtual void setVisible(bool visible) = 0;

    // False while the settings dialog or the About window is open.
    virtual bool Image1Enabled() const = 0;

    // The drag state and the full-height rectangle the auto-hide poll tests against.
    virtual bool dragging() const = 0;
    virtual const RECT& barRect() const = 0;
    virtual int32_t fullHeight() const = 0; // mlngBarHeight

    // The box along the bottom edge of a collapsed bar, and clearing it.
    virtual void drawBottomLine(RgbColour colour) = 0;
    virtual void Cls() = 0;

    virtual void closeSplash() = 0;

    // The current sentence, and asking for the next one.
    virtual const QString& french() const = 0;
    virtual const QString& english() const = 0;
    virtual void SelectNextSentence() = 0;
    // The sentence before the current one in play order; false, changing nothing, when there
    // is none to go back to.
    virtual bool SelectPreviousSentence() = 0;

    virtual AgentCharacter* character() const = 0; // mobjAgent
};
