// The sentence selector over the built-in lesson table, with scripted draws and settings of its own.
#pragma once

#include "core/lessons/dialogue_table.h"
#include "core/playback/sentence_selector.h"
#include "core/settings/settings_record.h"
#include "fakes/fake_message_dialog.h"
#include "fakes/scripted_random.h"

#include <gtest/gtest.h>

class SelectorFixture : public ::testing::Test {
protected:
    // Gives back the French id after checking that the texts fetched are its own.
    int shown(int id) const {
        EXPECT_EQ(french, table.lookup(id).value_or("?")) << id;
        EXPECT_EQ(english, table.lookup(id + 10000).value_or("?")) << id;
        return id;
    }

    SettingsRecord settings;
    const DialogueTable& table = DialogueTable::builtIn();
    ScriptedRandom random;
    FakeMessageDialog dialog;
    SentenceSelector selector{table, settings, random, dialog};
    QString french, english;
};
