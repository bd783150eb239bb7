// Every platform service faked, alone, under the whole program, or under the bar and its menu,
// as the window tests share them.
#pragma once

#include "app/module1.h"
#include "app/program.h"
#include "bar/form1.h"
#include "commands/menu_commands.h"
#include "fakes/fake_agent.h"
#include "fakes/fake_auto_start.h"
#include "fakes/fake_message_dialog.h"
#include "fakes/fake_settings_store.h"
#include "fakes/fake_window_system.h"
#include "fakes/scripted_random.h"
#include "forms/form2.h"
#include "forms/picture_box.h"
#include "platform/platform.h"
#include "platform/shell.h"

#include <gtest/gtest.h>

struct QuietShell : Shell {
    void open(const QString&) override {}
};

struct FakePlatform {
    FakeSettingsStore store;
    FakeWindowSystem windows;
    FakeMessageDialog messages;
    FakeAgentControl agent;
    QuietShell shell;
    FakeAutoStart autoStart;
    Platform platform{store, windows, messages, agent, shell, autoStart};
    ScriptedRandom random;
};

class ProgramOnFakes : public ::testing::Test, protected FakePlatform {
protected:
    Program program{platform, random};
};

class Desktop : public ::testing::Test, protected FakePlatform {
protected:
    void SetUp() override {
        Settings = {1, 2, 3, 5, 0, 1, 1, 0, 1, 1, 10207, 0, 0, 150, "1"};
        agent.Load("Peedy", {});
        bar.mobjAgent = agent("Peedy");
        commands.endProcess = [this] { ++ended; };
        bar.setLeft(5680);
    }

    Form1 bar{agent, windows};
    Form2 form2;
    MenuCommands commands{bar, form2, platform};
    int ended = 0;
};
