// The play cycle over a fake bar, pointer and character: 5 s of French, 3 s of English, each
// sentence twice, read aloud, the first sentence chosen as at start-up.
#pragma once

#include "core/playback/playback_timers.h"
#include "core/settings/settings_record.h"
#include "fakes/fake_caption_bar_view.h"
#include "fakes/fake_character.h"

struct PlayCycle {
    explicit PlayCycle(int frenchFirst = 1) {
        Settings = SettingsRecord{};
        Settings.frenchFirst = static_cast<int16_t>(frenchFirst);
        Settings.playsPerSentence = 2, Settings.frenchSeconds = 5, Settings.englishSeconds = 3,
        Settings.readAloud = 1;
        timers.armForStartUp();
        bar.speaker = &peedy;
        bar.selectNextSentence();
    }

    FakeCaptionBarView bar;
    FakePointer pointer;
    FakeCharacter peedy;
    PlaybackTimers timers{bar, pointer};
};
