// The start-up sequence, end to end over fake platform services.
#include "app/module1.h"
#include "app/program.h"
#include "bar/form1.h"
#include "fakes/fake_agent.h"
#include "fakes/fake_message_box.h"
#include "fakes/fake_settings_store.h"
#include "fakes/fake_window_system.h"
#include "fakes/scripted_random.h"
#include "platform/auto_start.h"
#include "platform/platform.h"
#include "platform/shell.h"

#include <QCoreApplication>
#include <QEvent>
#include <gtest/gtest.h>

namespace {

struct NoShell : Shell {
    void open(const QString&) override {}
};
struct NoAutoStart : AutoStart {
    void add(const QString&) override {}
    void remove() override {}
};

class StartUp : public ::testing::Test {
protected:
    FakeSettingsStore store;
    FakeWindowSystem windows;
    FakeMessageBox messageBox;
    FakeAgentControl agent;
    NoShell shell;
    NoAutoStart autoStart;
    Platform platform{store, windows, messageBox, agent, shell, autoStart};
    ScriptedRandom random;
};

TEST_F(StartUp, firstRunWritesDefaultsThenPlacesTheHiddenBarAndShowsTheSplash) {
    Program program(platform, random);
    program.Form_Load();

    EXPECT_EQ(agent.loads, QStringList({"Peedy"}));
    EXPECT_EQ(agent.peedy.calls, QStringList({"Show", "LanguageID:1036"}));
    EXPECT_EQ(store.stored("left"), "5680");
    Form1& bar = program.bar();
    EXPECT_FALSE(bar.isVisible());
    EXPECT_EQ(windows.topmost, QRect(379, 0, 477, 118));
    EXPECT_EQ(bar.geometry(), QRect(379, 0, 477, 23));
    EXPECT_EQ(bar.mrcBar.bottom, 23);

    ASSERT_NE(program.splash(), nullptr);
    EXPECT_TRUE(program.splash()->isVisible());
    EXPECT_EQ(program.splash()->pos(), QPoint(445, 264));

    EXPECT_EQ(gintStartCount, 70);
    EXPECT_EQ(gintTick, 0);
    EXPECT_EQ(gintPhase, 0);
    EXPECT_TRUE(bar.timers.Timer1.Enabled());
    EXPECT_TRUE(bar.timers.Timer2.Enabled());
    EXPECT_FALSE(bar.timers.Timer3.Enabled());
    EXPECT_FALSE(bar.timers.Timer4.Enabled());
    EXPECT_FALSE(bar.timers.Timer5.Enabled());
    EXPECT_FALSE(bar.mstrFrench.isEmpty()) << "the first sentence is chosen before any tick";
    EXPECT_TRUE(messageBox.messages.isEmpty());
}

TEST_F(StartUp, barSavedOnAWiderScreenStartsWithinThisOne) {
    store.seed("xxx", "1");
    store.seed("left", "30000");
    Program program(platform, random);
    program.Form_Load();
    EXPECT_FLOAT_EQ(program.bar().Left(), 15360 - 7110);
    EXPECT_EQ(program.bar().geometry().left(), 550);
}

TEST_F(StartUp, splashClickShowsTheBarAtOnceAndShortensTheWelcome) {
    Program program(platform, random);
    program.Form_Load();
    program.splash()->Image1_Click();
    EXPECT_TRUE(program.bar().isVisible());
    EXPECT_EQ(gintStartCount, 50);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(program.splash(), nullptr);
    program.bar().timers.Timer1_Timer();
    EXPECT_EQ(gintStartCount, 49);
}

TEST_F(StartUp, missingCharacterDoesNotStopStartUp) {
    struct NoCharacters : FakeAgentControl {
        AgentResult Load(const QString& id, const QVariant&) override {
            loads << id;
            return {"the character's pictures could not be read"};
        }
    } broken;
    Platform withoutPeedy{store, windows, messageBox, broken, shell, autoStart};
    Program program(withoutPeedy, random);
    program.Form_Load();
    EXPECT_EQ(program.bar().mobjAgent, nullptr);
    EXPECT_TRUE(program.splash()->isVisible());
}

} // namespace
