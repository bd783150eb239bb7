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
#include "core/settings/settings_keys.h"
#include "core/settings/settings_record.h"
#include "fakes/fake_auto_start.h"
#include "fakes/fake_character.h"
#include "fakes/fake_deck_storage.h"
#include "fakes/fake_message_dialog.h"
#include "fakes/fake_record_files.h"
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

// The settings as a first run leaves them, a few sentences into the sequence.
inline SettingsRecord settingsAfterFirstRun() {
    SettingsRecord settings;
    for (const FrenchKey& key : kFrenchKeys)
        if (key.field)
            settings.*key.field = key.firstRunDefault;
    settings.firstRunMarker = QStringLiteral("1");
    settings.sequencePosition = 10207;
    return settings;
}

struct FakePlatform {
    FakeSettingsStore store;
    FakeWindowSystem windows;
    FakeMessageDialog messages;
    FakeCharacterLoader characters;
    QuietShell shell;
    FakeAutoStart autoStart;
    FakeDeckStorage decks;
    FakeRecordFiles records;
    Platform platform{store, windows, messages, characters, shell, autoStart, decks, records};
    ScriptedRandom random;
    PlaybackState playback;
    SettingsRecord settings = settingsAfterFirstRun();
};

class ApplicationOnFakes : public ::testing::Test, protected FakePlatform {
protected:
    Application program{platform, settings, random, playback};
};

class Desktop : public ::testing::Test, protected FakePlatform {
protected:
    void SetUp() override {
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

    CaptionBar bar{windows, settings, playback.gate()};
    SentenceSelector selector{DialogueTable::builtIn(), settings, random, messages};
    PlayOrder order{selector, DialogueTable::builtIn(), settings, playback};
    PlayCycle cycle{bar, playback, order, bar.chrome(), settings};
    BarMenu menu;
    MenuCommands commands{bar, menu, platform, settings, cycle, playback.gate()};
    int ended = 0;
};
