// The play cycle and the bar's chrome over a fake bar, pointer, order and character: 5 s of
// French, 3 s of English, each sentence twice, read aloud, the first sentence chosen as at
// start-up.
#pragma once

#include "core/playback/bar_chrome.h"
#include "core/playback/play_cycle.h"
#include "core/playback/playback_state.h"
#include "core/settings/settings_record.h"
#include "fakes/fake_caption_bar_view.h"
#include "fakes/fake_character.h"
#include "fakes/fake_sentence_order.h"

struct PlayCycleOnFakes {
    explicit PlayCycleOnFakes(int frenchFirst = 1) {
        settings.frenchFirst = static_cast<int16_t>(frenchFirst);
        settings.playsPerSentence = 2, settings.frenchSeconds = 5, settings.englishSeconds = 3,
        settings.readAloud = 1;
        armForStartUp();
        cycle.setCharacter(&peedy);
        cycle.selectNextSentence();
    }
    void armForStartUp() {
        chrome.armForStartUp();
        cycle.armForStartUp();
    }

    SettingsRecord settings;
    FakeCaptionBarView bar;
    FakePointer pointer;
    FakeCharacter peedy;
    PlaybackState playback;
    FakeSentenceOrder order{playback};
    BarChrome chrome{bar, pointer, settings};
    PlayCycle cycle{bar, playback, order, chrome, settings};
};
