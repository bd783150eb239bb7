// The caption bar: a narrow always-on-top strip on the top edge of the screen that plays the
// sentences. Its lengths are kept in twips and shown in pixels.
#pragma once

#include "core/learning/wheel_notches.h"
#include "core/playback/caption_bar_view.h"
#include "core/playback/playback_timers.h"

#include <QElapsedTimer>
#include <QWidget>

class BarLabel;
class PictureBox;
class PlayOrder;
class WindowSystem;
struct SettingsRecord;

class CaptionBar : public QWidget, public CaptionBarView {
    Q_OBJECT
public:
    static constexpr int kWidth = 7155;          // design width, twips
    static constexpr int kCreationHeight = 1770; // twips
    static constexpr int kFullHeight = 340;      // twips
    static constexpr int kClampWidth = 7110;     // bar width the clamps and the menu assume

    // The settings are the play cycle's.
    CaptionBar(WindowSystem& windows, const SettingsRecord& settings, QWidget* parent = nullptr);
    ~CaptionBar() override;

    // Controls, back to front.
    BarLabel* frenchLine() const { return m_frenchLine; } // also the welcome text
    BarLabel* pictureBackground() const { return m_pictureBackground; }
    PictureBox* menuPicture() const { return m_menuPicture; }
    BarLabel* topStrip() const { return m_topStrip; }
    QWidget* outline() const { return m_outline; }
    BarLabel* englishLine() const { return m_englishLine; }
    QWidget* pauseSign() const { return m_pauseSign; }

    PlaybackTimers& timers() { return m_timers; }
    void setCharacter(SpeakingCharacter* character) { m_character = character; }
    // Where the sentences come from, forwards and backwards.
    void setPlayOrder(PlayOrder* order) { m_order = order; }

    // Position, twips.
    float leftTwips() const { return m_left; }
    void setLeftTwips(float twips);
    float topTwips() const { return m_top; }
    void setTopTwips(float twips);

    // Start-up: places the bar topmost at its twips position, converted to pixels.
    void makeTopmost();
    // Keeps the bar's left edge on the screen: 0 ... screen width - 7110 twips.
    void clampLeft();
    // The screen changed size: the bar keeps its left edge on it as after a release, at the
    // height it has, and the auto-hide rectangle follows it.
    void keepOnScreen();
    double screenWidthTwips() const;
    double screenHeightTwips() const;

    // The bar's rectangle at full height on the top edge; the auto-hide poll tests against it.
    void captureBarRect();

    // Mouse handling: dragging by any label, the menu from the picture.
    void onLabelPressed();
    void onLabelDragged();
    void onLabelReleased();
    void onMenuPictureHovered();

    // CaptionBarView, for the timers.
    void setFrenchLine(const QString& text) override;
    void setEnglishLine(const QString& text) override;
    int englishLineTop() const override { return m_englishLineTop; }
    void setEnglishLineTop(int twips) override;
    double barHeight() const override { return m_height; }
    void setBarHeight(double twips) override;
    void setVisible(bool visible) override;
    bool menuEnabled() const override;
    bool dragging() const override { return m_dragging; }
    QRect barRect() const override { return m_barRect; }
    int32_t fullHeight() const override { return kFullHeight; }
    void drawBottomLine(RgbColour colour) override;
    void clearBottomLine() override;
    void closeSplash() override;
    const QString& french() const override { return m_french; }
    const QString& english() const override { return m_english; }
    void selectNextSentence() override;
    bool selectPreviousSentence() override;
    SpeakingCharacter* character() const override { return m_character; }
    int lineOverflow(BarLine line) const override;
    void setLineScroll(BarLine line, int pixels) override;
    int lineScroll(BarLine line) const override;
    void showListening(bool listening) override;
    // The steady sign beside the picture while the learner has paused.
    void showPaused(bool paused) override;

    // What the bottom line shows now: invalid when cleared.
    QColor lineColour() const;

    // A short line for the learner under the bar, gone by itself after a moment.
    void showNotice(const QString& text);
    QWidget* listeningSign() const { return m_listeningSign; }

signals:
    // The pointer came onto the menu picture: the menu opens with its top right corner here.
    void menuRequested(QPoint topRight);
    // The welcome has come to the point where the splash goes.
    void splashCloseRequested();
    // The wheel turned over the bar: +1 for the next sentence, -1 for the previous one.
    void wheelStepped(int direction);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void layoutControls();
    void placeLineBaselines();
    void placeWindow();
    void placeBottomLine();
    void showTooltips();
    BarLabel* label(BarLine line) const;

    BarLabel* m_frenchLine;
    BarLabel* m_pictureBackground;
    PictureBox* m_menuPicture;
    BarLabel* m_topStrip;
    QWidget* m_outline;
    BarLabel* m_englishLine;
    QWidget* m_pauseSign;
    QWidget* m_listeningSign;
    QWidget* m_line; // drawn above every control so the whole collapsed strip blinks

    PlaybackTimers m_timers;
    WindowSystem& m_windows;
    SpeakingCharacter* m_character = nullptr;
    PlayOrder* m_order = nullptr;

    QString m_french;
    QString m_english;
    bool m_dragging = false;
    QRect m_barRect;
    QPoint m_grabOffset;
    float m_left = 0;
    float m_top = 0;
    double m_height = kCreationHeight;
    int m_englishLineTop = PlaybackTimers::kEnglishLineRest;
    WheelNotches m_wheel;
    QElapsedTimer m_wheelClock;
};
