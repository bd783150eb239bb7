// Peedy loaded over a fake speech engine that is still starting; frames are stepped by hand.
#pragma once

#include "core/playback/playback_state.h"
#include "fakes/fake_speech_engine.h"
#include "ui/character/character_window.h"
#include "ui/character/desktop_character_loader.h"
#include "ui/character/peedy_character.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

class PeedyFixture : public ::testing::Test {
protected:
    void SetUp() override { load(); }

    void load() {
        characters = std::make_unique<DesktopCharacterLoader>(
            ":/art/peedy",
            [this] {
                auto made = std::make_unique<FakeSpeechEngine>();
                engine = made.get();
                return made;
            },
            onBar);
        ASSERT_TRUE(characters->load("Peedy").ok());
        peedy = characters->peedy();
    }

    // Lets queued requests start, then runs frames until the request ends or a sentence is
    // being read (which ends when the engine says so).
    void settle() {
        QCoreApplication::processEvents();
        for (int i = 0; i < 50 && peedy->busy() && !peedy->window().balloonShown(); ++i) {
            peedy->step();
            QCoreApplication::processEvents();
        }
    }

    const PlaybackState* onBar = nullptr; // no bar: every sentence is read
    FakeSpeechEngine* engine = nullptr;
    std::unique_ptr<DesktopCharacterLoader> characters;
    PeedyCharacter* peedy = nullptr;
};
