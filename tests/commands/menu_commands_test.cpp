// The start-up sequence and the popup menu's entries, over fake platform services.
#include "about/form7.h"
#include "app/program.h"
#include "support/desktop.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

TEST_F(Desktop, readAloudTogglesOnlyTheCharacterAndExitSavesThenEnds) {
    for (int i = 0; i < 3; ++i)
        form2.mnu_hlp->trigger();
    EXPECT_EQ(agent.peedy.calls, QStringList({"Hide", "Show", "Hide"}));

    // Exit saves the voice (which reading aloud left alone), the bar's place and, in sequence
    // mode with the schedule kept, the position, whatever "Save setting while exit" says.
    form2.mnu_exit->trigger();
    EXPECT_EQ(store.writes, QStringList({"voice=1", "left=5680"})) << "random order";
    Settings.rd = 1, Settings.ssave = 0;
    form2.mnu_exit->trigger();
    EXPECT_EQ(store.writes.mid(2), QStringList({"voice=1", "left=5680", "guagen=10207"}));
    EXPECT_FALSE(store.unsynced) << "on the disk before the process ends";
    Settings.psave = 0;
    form2.mnu_exit->trigger();
    EXPECT_EQ(store.writes.mid(5), QStringList({"voice=1", "left=5680"})) << "schedule not kept";
    EXPECT_EQ(ended, 3);
}

TEST_F(Desktop, aboutBlocksTheMenuUntilItClosesHoweverItClosesLeavingPlaybackAlone) {
    gintStartCount = 1;
    bar.timers.Timer5.setEnabled(true);
    for (int way = 0; way < 3; ++way) {
        form2.mnu_veri->trigger();
        EXPECT_FALSE(bar.Image1->isEnabled());
        Form7* about = commands.aboutWindow();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        if (way == 0)
            about->Image1_Click();
        else if (way == 1)
            QCoreApplication::sendEvent(about, &escape);
        else
            about->close(); // as the window manager would
        EXPECT_TRUE(bar.Image1->isEnabled()) << way;
    }
    EXPECT_TRUE(bar.timers.Timer5.Enabled());
}

TEST_F(Desktop, firstRunPlacesTheHiddenBarShowsTheSplashAndAClickOnItShowsTheBar) {
    Program program{platform, random};
    program.Form_Load();
    EXPECT_EQ(agent.peedy.calls, QStringList({"Show", "LanguageID:1036"}));
    Form1& bar = program.bar();
    ASSERT_NE(program.splash(), nullptr);
    EXPECT_FALSE(bar.mstrFrench.isEmpty()) << "the first sentence is chosen before any tick";

    EXPECT_FALSE(bar.isVisible());
    program.splash()->Image1_Click();
    EXPECT_TRUE(bar.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(program.splash(), nullptr);
    bar.timers.Timer1_Timer();
    EXPECT_EQ(gintStartCount, 49) << "the welcome goes on from fifty";
}

TEST_F(Desktop, aCharacterThatCannotLoadOrABarSavedOnAWiderScreenDoesNotStopStartUp) {
    struct Broken : FakeAgentControl {
        AgentResult Load(const QString&, const QVariant&) override { return {"no pictures"}; }
    } broken;
    Platform withoutPeedy{store, windows, messages, broken, shell, autoStart};
    store.seed("xxx", "1");
    store.seed("left", "30000");
    Program program(withoutPeedy, random);
    program.Form_Load();
    EXPECT_EQ(program.bar().mobjAgent, nullptr);
    EXPECT_TRUE(program.splash()->isVisible());
    EXPECT_EQ(program.bar().geometry().left(), 550) << "within this screen";
}

} // namespace
