// The caption bar: a narrow always-on-top strip on the top edge of the screen that plays the
// sentences. Its lengths are kept in twips and shown in pixels.
#pragma once

#include "core/learning/wheel_notches.h"
#include "core/playback/bar_chrome.h"
#include "core/playback/caption_bar_view.h"
#include "core/playback/monitor_choice.h"
#include "core/playback/play_cycle.h"

#include <QElapsedTimer>
#include <QWidget>

class BarLabel;
class DialogGate;
class PictureBox;
class WindowSystem;
struct SettingsRecord;

class CaptionBar : public QWidget, public CaptionBarView {
    Q_OBJECT
public:
    static constexpr int kWidth = 7155;          // design width, twips
    static constexpr int kCreationHeight = 1770; // twips
    static constexpr int kFullHeight = 340;      // twips
    static constexpr int kClampWidth = 7110;     // bar width the clamps and the menu assume

    // While the gate is open (a dialog is), the menu picture is greyed out and opens no menu.
    // The settings say whether the bar hides itself.
    CaptionBar(WindowSystem& windows, const SettingsRecord& settings, const DialogGate& gate,
               QWidget* parent = nullptr);
    ~CaptionBar() override;

    // Controls, back to front.
    BarLabel* frenchLine() const { return m_frenchLine; } // also the welcome text
    BarLabel* pictureBackground() const { return m_pictureBackground; }
    PictureBox* menuPicture() const { return m_menuPicture; }
    QWidget* outline() const { return m_outline; }
    BarLabel* englishLine() const { return m_englishLine; }
    QWidget* pauseSign() const { return m_pauseSign; }

    // The welcome, auto-hide and the collapsed strip's blinking line.
    BarChrome& chrome() { return m_chrome; }

    // Position, twips.
    float leftTwips() const { return m_left; }
    void setLeftTwips(float twips);
    void setTopTwips(float twips);

    // Start-up: places the bar topmost at its twips position, converted to pixels.
    void makeTopmost();
    // Keeps the bar's left edge on its monitor: 0 ... monitor width - 7110 twips at Normal
    // width, the whole bar when it is wider.
    void clampLeft();
    // A screen changed: the bar goes to the monitor it belongs on (its own, or the primary one
    // while that is gone), keeps its left edge on it as after a release, at the height it has,
    // and the auto-hide rectangle follows it.
    void keepOnScreen();
    // The primary screen's size, where the dialogs open.
    double screenWidthTwips() const;
    double screenHeightTwips() const;

    // The monitor the bar is on; its left and top are relative to it. The remembered one is
    // where the learner left it, kept while it is unplugged.
    const Monitor& monitor() const { return m_monitor; }
    void setRememberedMonitor(const Monitor& monitor);
    // Where the bar asks to be on the top edge of its monitor, in pixels of the whole desktop.
    QPoint askedPlace() const;
    // [Bar] width: 0 Normal, 1 Wide, 2 the monitor's whole width.
    void setWidthChoice(int choice);
    int widthChoice() const { return m_widthChoice; }
    double widthTwips() const { return kWidth + m_extra; }
    // [Bar] text_size: 0 Normal, 1 Large, 2 Larger; the heights, the picture and the text grow
    // with it, while the play cycle goes on counting in the Normal bar's twips.
    void setTextSize(int choice);
    int textSize() const { return m_textSize; }
    // The open bar's height on the screen.
    int fullHeightPixels() const;
    // Whether the strip along the top of its monitor is kept for the bar.
    void setReserve(bool reserve);
    // The strip the bar keeps now, empty when none.
    QRect reservedStrip() const { return m_reserved; }
    // The program ends: the space goes back to the desktop at once (a Windows desktop toolbar
    // left registered would keep it), the choice stays as it is.
    void giveBackStrip();

    // The bar's rectangle at full height on the top edge; the auto-hide poll tests against it.
    void captureBarRect();

    // Mouse handling: dragging by any label, the menu from the picture.
    void onLabelPressed();
    void onLabelDragged();
    void onLabelReleased();
    void onMenuPictureHovered();

    // CaptionBarView, for the chrome and the play cycle.
    void setFrenchLine(const QString& text) override;
    void setEnglishLine(const QString& text) override;
    int englishLineTop() const override { return m_englishLineTop; }
    void setEnglishLineTop(int twips) override;
    void setLineTooltips(const QString& french, const QString& english) override;
    double barHeight() const override { return m_height; }
    void setBarHeight(double twips) override;
    void setVisible(bool visible) override;
    bool dragging() const override { return m_dragging; }
    QRect barRect() const override { return m_barRect; }
    int32_t fullHeight() const override { return kFullHeight; }
    void drawBottomLine(RgbColour colour) override;
    void clearBottomLine() override;
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

signals:
    // The pointer came onto the menu picture: the menu opens with its top right corner here.
    void menuRequested(QPoint topRight);
    // The wheel turned over the bar: +1 for the next sentence, -1 for the previous one.
    void wheelStepped(int direction);
    // A file was dropped on the bar: the learner brings sentences to import.
    void fileDropped(const QString& path);
    // The learner let the bar go on another monitor.
    void monitorChosen(const Monitor& monitor);
    // The bar settled at full height: after a release, on a screen change.
    void settled(QRect fullBar);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void layoutControls();
    void placeLineBaselines();
    void placeWindow();
    void placeBottomLine();
    BarLabel* label(BarLine line) const;
    void fitToMonitor();
    void updateReserve();

    BarLabel* m_frenchLine;
    BarLabel* m_pictureBackground;
    PictureBox* m_menuPicture;
    BarLabel* m_topStrip;
    QWidget* m_outline;
    BarLabel* m_englishLine;
    QWidget* m_pauseSign;
    QWidget* m_listeningSign;
    QWidget* m_line; // drawn above every control so the whole collapsed strip blinks

    BarChrome m_chrome;
    WindowSystem& m_windows;
    const DialogGate& m_gate;

    bool m_dragging = false;
    QRect m_barRect;
    QPoint m_grabOffset;
    float m_left = 0;
    float m_top = 0;
    double m_height = kCreationHeight;
    Monitor m_monitor;
    Monitor m_remembered;
    int m_widthChoice = 0;
    double m_extra = 0; // twips beyond the Normal width
    bool m_reserve = false;
    int m_textSize = 0;
    double m_scale = 1.0; // of every height, the text and the picture
    QRect m_reserved;
    int m_englishLineTop = PlayCycle::kEnglishLineRest;
    WheelNotches m_wheel;
    QElapsedTimer m_wheelClock;
};
