// Peedy loaded over a fake speech engine that is still starting; frames are stepped by hand.
#pragma once

#include "fakes/fake_speech_engine.h"
#include "platform/character/character_window.h"
#include "platform/character/desktop_agent.h"
#include "platform/character/peedy_character.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

class PeedyFixture : public ::testing::Test {
protected:
    void SetUp() override { load(); }

    void load() {
        agent = std::make_unique<DesktopAgent>(":/art/peedy", [this] {
            auto made = std::make_unique<FakeSpeechEngine>();
            engine = made.get();
            return made;
        });
        ASSERT_TRUE(agent->Characters().Load("Peedy", QVariant()).ok());
        peedy = agent->peedy();
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

    FakeSpeechEngine* engine = nullptr;
    std::unique_ptr<DesktopAgent> agent;
    PeedyCharacter* peedy = nullptr;
};
