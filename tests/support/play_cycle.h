// The play cycle over a fake bar, pointer and character: 5 s of French, 3 s of English, each
// sentence twice, read aloud, the first sentence chosen as at start-up.
#pragma once

#include "app/module1.h"
#include "fakes/fake_agent.h"
#include "fakes/fake_caption_bar.h"
#include "playback/playback_timers.h"

struct PlayCycle {
    explicit PlayCycle(int frenchFirst = 1) {
        Settings = SettingsRecord{};
        Settings.ce = static_cast<int16_t>(frenchFirst);
        Settings.n = 2, Settings.etime = 5, Settings.ctime = 3, Settings.voice = 1;
        gintRepeat = 0;
        timers.armForStartUp();
        bar.agent = &peedy;
        bar.SelectNextSentence();
    }

    FakeCaptionBar bar;
    FakePointer pointer;
    FakeCharacter peedy;
    PlaybackTimers timers{bar, pointer};
};
