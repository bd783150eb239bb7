// The play cycle over a fake bar, pointer and character: 5 s of French, 3 s of English, each
// sentence twice, read aloud, the first sentence chosen as at start-up.
#pragma once

#include "core/playback/playback_timers.h"
#include "core/settings/settings_record.h"
#include "fakes/fake_caption_bar_view.h"
#include "fakes/fake_character.h"

struct PlayCycle {
    explicit PlayCycle(int frenchFirst = 1) {
        settings.frenchFirst = static_cast<int16_t>(frenchFirst);
        settings.playsPerSentence = 2, settings.frenchSeconds = 5, settings.englishSeconds = 3,
        settings.readAloud = 1;
        timers.armForStartUp();
        bar.speaker = &peedy;
        bar.selectNextSentence();
    }

    SettingsRecord settings;
    FakeCaptionBarView bar;
    FakePointer pointer;
    FakeCharacter peedy;
    PlaybackTimers timers{bar, pointer, settings};
};
