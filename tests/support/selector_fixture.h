// The sentence selector over the built-in lesson table with scripted draws, settings reset.
#pragma once

#include "core/lessons/dialogue_table.h"
#include "core/playback/sentence_selector.h"
#include "core/settings/settings_record.h"
#include "fakes/fake_message_dialog.h"
#include "fakes/scripted_random.h"

#include <gtest/gtest.h>

class SelectorFixture : public ::testing::Test {
protected:
    void SetUp() override { Settings = SettingsRecord{}; }

    const DialogueTable& table = DialogueTable::builtIn();
    ScriptedRandom random;
    FakeMessageDialog dialog;
    SentenceSelector selector{table, random, dialog};
    QString french, english;
};
