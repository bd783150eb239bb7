// Every platform service faked, alone, under the whole program, or under the bar and its menu,
// as the window tests share them.
#pragma once

#include "app/application.h"
#include "core/learning/play_order.h"
#include "core/lessons/dialogue_table.h"
#include "core/playback/play_cycle.h"
#include "core/playback/playback_state.h"
#include "core/playback/sentence_selector.h"
#include "core/ports/shell.h"
#include "core/settings/settings_record.h"
#include "fakes/fake_auto_start.h"
#include "fakes/fake_character.h"
#include "fakes/fake_message_dialog.h"
#include "fakes/fake_settings_store.h"
#include "fakes/fake_window_system.h"
#include "fakes/scripted_random.h"
#include "platform/platform.h"
#include "ui/bar/bar_menu.h"
#include "ui/bar/caption_bar.h"
#include "ui/bar/menu_commands.h"
#include "ui/widgets/picture_box.h"

#include <gtest/gtest.h>

struct QuietShell : Shell {
    void open(const QString&) override {}
};

struct FakePlatform {
    FakeSettingsStore store;
    FakeWindowSystem windows;
    FakeMessageDialog messages;
    FakeCharacterLoader characters;
    QuietShell shell;
    FakeAutoStart autoStart;
    Platform platform{store, windows, messages, characters, shell, autoStart};
    ScriptedRandom random;
    PlaybackState playback;
};

class ApplicationOnFakes : public ::testing::Test, protected FakePlatform {
protected:
    Application program{platform, random, playback};
};

class Desktop : public ::testing::Test, protected FakePlatform {
protected:
    void SetUp() override {
        Settings = {1, 2, 3, 5, 0, 1, 1, 0, 1, 1, 10207, 0, 0, 150, "1", {}};
        characters.load("Peedy");
        cycle.setCharacter(characters.character("Peedy"));
        QObject::connect(&commands, &MenuCommands::exitRequested, [this] { ++ended; });
        bar.setLeftTwips(5680);
    }

    // The welcome from where a click on the splash leaves it to its end: play starts.
    void pastTheWelcome() {
        bar.chrome().skipSplash();
        while (!bar.chrome().welcomeOver())
            bar.chrome().onWelcomeTick();
    }

    CaptionBar bar{windows, playback.gate()};
    SentenceSelector selector{DialogueTable::builtIn(), random, messages};
    PlayOrder order{selector, DialogueTable::builtIn(), playback};
    PlayCycle cycle{bar, playback, order, bar.chrome()};
    BarMenu menu;
    MenuCommands commands{bar, menu, platform, cycle, playback.gate()};
    int ended = 0;
};
