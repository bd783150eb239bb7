// Form1: the caption bar, a narrow always-on-top strip on the top edge of the screen that
// plays the sentences. Its lengths are kept in twips and shown in pixels.
#pragma once

#include "learning/wheel_notches.h"
#include "platform/pointer.h"
#include "playback/caption_bar.h"
#include "playback/playback_timers.h"

#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <optional>

class AgentCharacter;
class AgentControl;
class BarLabel;
class Form2;
class PictureBox;
class QMenu;
class WindowSystem;

class Form1 : public QWidget, public CaptionBar {
    Q_OBJECT
public:
    static constexpr int kWidth = 7155;          // design width, twips
    static constexpr int kCreationHeight = 1770; // twips
    static constexpr int kFullHeight = 340;      // mlngBarHeight
    static constexpr int kClampWidth = 7110;     // bar width the clamps and the menu assume

    Form1(AgentControl& agent, WindowSystem& windows, QWidget* parent = nullptr);
    ~Form1() override;

    // Controls, back to front.
    BarLabel* Label1;
    BarLabel* Label4;
    PictureBox* Image1;
    BarLabel* Label3;
    QWidget* Shape1;
    BarLabel* Label2;
    PlaybackTimers timers; // Timer1 to Timer5
    AgentControl& Agent1;
    AgentCharacter* mobjAgent = nullptr;

    QString mstrFrench;
    QString mstrEnglish;

    // Position and size, twips.
    float Left() const { return m_left; }
    void setLeft(float twips);
    float Top() const { return m_top; }
    void setTop(float twips);

    // Start-up: places the bar topmost at its twips position, converted to pixels.
    void makeTopmost();
    // Keeps the bar's left edge on the screen: 0 ... screen width - 7110 twips.
    void clampLeft();
    double screenWidthTwips() const;
    double screenHeightTwips() const;

    // The bar's rectangle at full height on the top edge; the auto-hide poll tests against it.
    void Get_Windows_Rect();

    // The popup menu opened from Image1, and how it is shown (replaceable in tests).
    void setMenu(Form2* form2) { m_form2 = form2; }
    std::function<void(QMenu&, QPoint)> popupMenu;

    // Who is asked for the next sentence; the splash the countdown closes.
    std::function<bool(QString&, QString&)> selectSentence;
    // Going back: nothing when there is no earlier sentence, else whether the tooltips follow.
    std::function<std::optional<bool>(QString&, QString&)> selectPreviousSentence;
    std::function<void()> splashCloser;

    // Mouse handling.
    void Label_MouseDown();
    void Label_MouseMove();
    void Label_MouseUp();
    void Image1_MouseMove();
    bool mblnDragging = false;
    RECT mrcBar;
    int32_t mlngGrabX = 0;
    int32_t mlngGrabY = 0;
    int32_t mlngBarHeight = kFullHeight;

    // CaptionBar, for the timers.
    void setLabel1(const QString& caption) override;
    void setLabel2(const QString& caption) override;
    int Label2Top() const override { return m_label2Top; }
    void setLabel2Top(int twips) override;
    double Height() const override { return m_height; }
    void setHeight(double twips) override;
    void setVisible(bool visible) override;
    bool Image1Enabled() const override;
    bool dragging() const override { return mblnDragging; }
    const RECT& barRect() const override { return mrcBar; }
    int32_t fullHeight() const override { return mlngBarHeight; }
    void drawBottomLine(RgbColour colour) override;
    void Cls() override;
    void closeSplash() override;
    const QString& french() const override { return mstrFrench; }
    const QString& english() const override { return mstrEnglish; }
    void SelectNextSentence() override;
    bool SelectPreviousSentence() override;
    AgentCharacter* character() const override { return mobjAgent; }

    // What the bottom line shows now: invalid when cleared.
    QColor lineColour() const;

    // The steady sign beside the picture while the learner has paused.
    void showPaused(bool paused);
    QWidget* PauseSign;

signals:
    // The wheel turned over the bar: +1 for the next sentence, -1 for the previous one.
    void wheelStepped(int direction);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void layoutControls();
    void placeLineBaselines();
    void placeWindow();
    void placeBottomLine();

    WindowSystem& m_windows;
    Form2* m_form2 = nullptr;
    QWidget* m_line; // drawn above every control so the whole collapsed strip blinks
    float m_left = 0;
    float m_top = 0;
    double m_height = kCreationHeight;
    int m_label2Top = PlaybackTimers::kLabel2Rest;
    WheelNotches m_wheel;
    QElapsedTimer m_wheelClock;
};
