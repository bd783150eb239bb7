// The start-up sequence over fake platform services.
#include "app/module1.h"
#include "app/program.h"
#include "bar/form1.h"
#include "fakes/fake_agent.h"
#include "fakes/fake_auto_start.h"
#include "fakes/fake_message_dialog.h"
#include "fakes/fake_settings_store.h"
#include "fakes/fake_window_system.h"
#include "fakes/scripted_random.h"
#include "platform/platform.h"
#include "platform/shell.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

struct NoShell : Shell {
    void open(const QString&) override {}
};

class StartUp : public ::testing::Test {
protected:
    FakeSettingsStore store;
    FakeWindowSystem windows;
    FakeMessageDialog messages;
    FakeAgentControl agent;
    NoShell shell;
    FakeAutoStart autoStart;
    Platform platform{store, windows, messages, agent, shell, autoStart};
    ScriptedRandom random;
    Program program{platform, random};
};

TEST_F(StartUp, firstRunWritesDefaultsThenPlacesTheHiddenBarAndShowsTheSplash) {
    program.Form_Load();
    EXPECT_EQ(agent.peedy.calls, QStringList({"Show", "LanguageID:1036"}));
    EXPECT_EQ(store.stored("left"), "5680");
    Form1& bar = program.bar();
    EXPECT_FALSE(bar.isVisible());
    EXPECT_EQ(bar.geometry(), QRect(379, 0, 477, 23));
    ASSERT_NE(program.splash(), nullptr);
    EXPECT_TRUE(program.splash()->isVisible());
    EXPECT_EQ(program.splash()->pos(), QPoint(445, 264));
    EXPECT_EQ(gintStartCount, 70);
    EXPECT_FALSE(bar.timers.Timer5.Enabled());
    EXPECT_FALSE(bar.mstrFrench.isEmpty()) << "the first sentence is chosen before any tick";
}

TEST_F(StartUp, barSavedOnAWiderScreenStartsWithinThisOne) {
    store.seed("xxx", "1");
    store.seed("left", "30000");
    program.Form_Load();
    EXPECT_EQ(program.bar().geometry().left(), 550);
}

TEST_F(StartUp, splashClickShowsTheBarAtOnceAndTheWelcomeGoesOnFromFifty) {
    program.Form_Load();
    program.splash()->Image1_Click();
    EXPECT_TRUE(program.bar().isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(program.splash(), nullptr);
    program.bar().timers.Timer1_Timer();
    EXPECT_EQ(gintStartCount, 49);
}

TEST_F(StartUp, aCharacterThatCannotLoadDoesNotStopStartUp) {
    struct Broken : FakeAgentControl {
        AgentResult Load(const QString&, const QVariant&) override { return {"no pictures"}; }
    } broken;
    Platform withoutPeedy{store, windows, messages, broken, shell, autoStart};
    Program other(withoutPeedy, random);
    other.Form_Load();
    EXPECT_EQ(other.bar().mobjAgent, nullptr);
    EXPECT_TRUE(other.splash()->isVisible());
}

} // namespace
