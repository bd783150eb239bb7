#include "playback/playback_timers.h"

#include "app/module1.h"
#include "app/product.h"
#include "playback/agent.h"
#include "playback/caption_bar.h"

namespace {
QString spaces(int count) {
    return QString(std::max(count, 0), QLatin1Char(' '));
}
} // namespace

PlaybackTimers::PlaybackTimers(CaptionBar& bar, const PointerSource& pointer, QObject* parent)
    : QObject(parent), m_bar(bar), m_pointer(pointer) {
    connect(&Timer1, &Timer::tick, this, &PlaybackTimers::Timer1_Timer);
    connect(&Timer2, &Timer::tick, this, &PlaybackTimers::Timer2_Timer);
    connect(&Timer3, &Timer::tick, this, &PlaybackTimers::Timer3_Timer);
    connect(&Timer4, &Timer::tick, this, &PlaybackTimers::Timer4_Timer);
    connect(&Timer5, &Timer::tick, this, &PlaybackTimers::Timer5_Timer);
}

QString PlaybackTimers::welcomeText() {
    return QStringLiteral(" Welcome to use %1 %2.").arg(Product::kTitle, Product::kVersion);
}

RgbColour PlaybackTimers::QBColor(int colour) {
    static constexpr RgbColour palette[16] = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    return palette[colour & 15];
}

void PlaybackTimers::armForStartUp() {
    Timer1.setInterval(60);
    Timer2.setInterval(1500);
    Timer1.setEnabled(true);
    Timer2.setEnabled(true);
    Timer3.setEnabled(false);
    Timer4.setEnabled(false);
    Timer5.setEnabled(false);
    gintTick = 0;
    gintPhase = 0;
    mintColor1 = 10;
    mintColor2 = 12;
    mintColor3 = 10;
    gintStartCount = 70;
}

// Welcome countdown, pointer sample and auto-hide, every 60 ms.
void PlaybackTimers::Timer1_Timer() {
    --gintStartCount;
    mptCursor = m_pointer.GetCursorPos();
    applyAutoHide();
    countdownStep();
}

void PlaybackTimers::applyAutoHide() {
    const bool inside = PtInRect(m_bar.barRect(), mptCursor);
    const double full = m_bar.fullHeight();
    // A collapsed bar opens again only from the screen's top rows; an open one stays open
    // while the pointer is on it.
    const bool keepFull = gintStartCount > 0 || Settings.visi == 0 ||
                          (inside && (mptCursor.y <= 3 || m_bar.Height() == full));
    m_bar.setHeight(keepFull ? full : kCollapsedHeight);
}

void PlaybackTimers::countdownStep() {
    const int count = gintStartCount;
    if (count == 0) {
        gintStartCount = 1;
    } else if (count == 1 || count == 2) {
        m_bar.setLabel1(QStringLiteral(" "));
        if (m_bar.Image1Enabled())
            Timer5.setEnabled(true);
    } else if (count >= 3 && count <= 20) {
        m_bar.setLabel1(welcomeText());
    } else if (count >= 21 && count <= 50) {
        m_bar.closeSplash();
        m_bar.setVisible(true);
        m_bar.setLabel1(spaces(count - 20) + welcomeText());
    } else if (count >= 51) {
        m_bar.setLabel1(spaces(count - 20) + welcomeText());
    }
}

// The blinking line on a collapsed bar, every 1.5 s.
void PlaybackTimers::Timer2_Timer() {
    if (m_bar.Height() != m_bar.fullHeight() && !m_bar.dragging())
        m_bar.drawBottomLine(QBColor(mintColor1));
    else
        m_bar.Cls();
    const int16_t oldColor2 = mintColor2;
    mintColor1 = mintColor2;
    mintColor2 = mintColor3;
    mintColor3 = oldColor2;
}

// The English line rises from below the bar, every 50 ms.
void PlaybackTimers::Timer3_Timer() {
    if (held)
        return;
    m_bar.setLabel2(QStringLiteral(" ") + m_bar.english());
    if (m_bar.Label2Top() > kLabel2Raised) {
        m_bar.setLabel2Top(m_bar.Label2Top() - 10);
    } else {
        m_bar.setLabel2Top(kLabel2Raised);
        Timer3.setEnabled(false);
    }
}

// The French line slides in from the right, every 80 ms.
void PlaybackTimers::Timer4_Timer() {
    if (held)
        return;
    m_bar.setLabel1(spaces(kSlideSteps - mintSlide) + m_bar.french());
    ++mintSlide;
    if (mintSlide == kSlideSteps) {
        mintSlide = 0;
        Timer4.setEnabled(false);
    }
}

// The play cycle, every 100 ms: the first language, its time, the second language, its time.
void PlaybackTimers::Timer5_Timer() {
    if (held)
        return;
    // While the French is being read first the cycle stands still; the tick that ends the
    // wait starts the slide-in and stands for the French's first tick.
    if (m_holding) {
        if (!m_hold || !m_hold->holding()) {
            m_holding = false;
            Timer4.setEnabled(true);
        }
        return;
    }
    ++gintTick;
    if (gintRepeat >= Settings.n) {
        gintRepeat = 0;
        m_bar.SelectNextSentence();
    }
    const bool frenchFirst = Settings.ce == 1;
    const int16_t first =
        static_cast<int16_t>((frenchFirst ? Settings.etime : Settings.ctime) * 10);
    const int16_t both = static_cast<int16_t>((Settings.etime + Settings.ctime) * 10);
    // Each phase stores its successor before it acts.
    switch (gintPhase) {
    case 0:
        gintPhase = 1;
        if (frenchFirst)
            startFrench();
        else
            startEnglish();
        break;
    case 1:
        gintPhase = (gintTick >= 0 && gintTick < first) ? 1 : 2;
        break;
    case 2:
        gintPhase = 3;
        if (frenchFirst) {
            m_bar.setLabel1(QStringLiteral(" "));
            startEnglish();
        } else {
            clearEnglish();
            startFrench();
        }
        break;
    case 3:
        gintPhase = (gintTick >= first && gintTick <= both) ? 3 : 4;
        break;
    case 4:
        gintPhase = 0;
        if (frenchFirst)
            clearEnglish();
        else
            m_bar.setLabel1(QStringLiteral(" "));
        ++gintRepeat;
        gintTick = 0;
        break;
    default:
        break;
    }
}

void PlaybackTimers::startFrench() {
    const auto start =
        m_hold ? m_hold->begin(m_bar.character(), m_bar.french()) : FrenchHold::Start::Off;
    if (start == FrenchHold::Start::Holding) {
        m_holding = true;
        return;
    }
    Timer4.setEnabled(true);
    if (start == FrenchHold::Start::Off)
        speechStep();
}

void PlaybackTimers::restartCycle() {
    m_holding = false;
    Timer3.setEnabled(false);
    Timer4.setEnabled(false);
    mintSlide = 0;
    m_bar.setLabel1(QStringLiteral(" "));
    clearEnglish();
    gintTick = 0;
    gintPhase = 0;
    gintRepeat = 0;
}

void PlaybackTimers::startEnglish() {
    Timer3.setEnabled(true);
}

void PlaybackTimers::clearEnglish() {
    m_bar.setLabel2(QStringLiteral(" "));
    m_bar.setLabel2Top(kLabel2Rest);
}

// The character reads the French and waves; whatever goes wrong with it, playback goes on.
void PlaybackTimers::speechStep() {
    AgentCharacter* agent = m_bar.character();
    if (!agent)
        return;
    if (Settings.voice == 1)
        agent->Speak(m_bar.french());
    agent->Play(QStringLiteral("Wave"));
}
