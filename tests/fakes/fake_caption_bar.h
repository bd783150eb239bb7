// A caption bar that only remembers what the timers did to it.
#pragma once

#include "playback/caption_bar.h"

#include <optional>

class FakeCaptionBar : public CaptionBar {
public:
    void setLabel1(const QString& caption) override { label1 = caption; }
    void setLabel2(const QString& caption) override { label2 = caption; }
    int Label2Top() const override { return label2Top; }
    void setLabel2Top(int twips) override { label2Top = twips; }
    double Height() const override { return height; }
    void setHeight(double twips) override { height = twips; }
    void setVisible(bool shown) override { visible = shown; }
    bool Image1Enabled() const override { return image1Enabled; }
    bool dragging() const override { return isDragging; }
    const RECT& barRect() const override { return rect; }
    int32_t fullHeight() const override { return 340; }
    void drawBottomLine(RgbColour colour) override { line = colour; }
    void Cls() override { line.reset(); }
    void closeSplash() override { ++splashCloses; }
    const QString& french() const override { return frenchText; }
    const QString& english() const override { return englishText; }
    void SelectNextSentence() override { show(++selections); }
    bool SelectPreviousSentence() override { return selections > 1 && show(--selections); }
    AgentCharacter* character() const override { return agent; }

    QString label1, label2;
    int label2Top = 400;
    double height = 340;
    bool visible = false;
    bool image1Enabled = true;
    bool isDragging = false;
    RECT rect{379, 0, 856, 23};
    std::optional<RgbColour> line;
    int splashCloses = 0;
    int selections = 0;
    QString frenchText, englishText;
    AgentCharacter* agent = nullptr;

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
    POINT GetCursorPos() const override { return at; }
    POINT at{0, 500};
};
