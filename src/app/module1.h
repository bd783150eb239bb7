// Module1: the process-wide settings record and the playback counters.
#pragma once

#include <QString>
#include <cstdint>

// One field per stored key, named like the key. Integers are 16-bit, as the stored values are.
struct SettingsRecord {
    int16_t ce = 0;     // 1: French first, anything else: English first
    int16_t n = 0;      // plays per sentence
    int16_t ctime = 0;  // seconds the English line is shown
    int16_t etime = 0;  // seconds the French line is shown
    int16_t rd = 0;     // 0: at random, otherwise in sequence
    int16_t psave = 0;  // "Save schedule while exit"
    int16_t ssave = 0;  // "Save setting while exit"
    int16_t visi = 0;   // "Auto Hide"
    int16_t voice = 0;  // 1: the character reads the French aloud
    int16_t guage = 0;  // 0: every topic ("Entire"), else one topic number
    int16_t guagen = 0; // French id the sequence shows next
    int16_t red = 0;    // kept for the store only
    int16_t mark = 0;   // "Start with windows start"
    int16_t sspeed = 0; // kept for the store only
    QString xxx;        // first-run marker
};

extern SettingsRecord Settings;

// Playback counters shared by the bar, the splash and the settings dialog.
extern int16_t gintStartCount; // welcome countdown; rests at 1 once run out
extern int16_t gintTick;       // tenths of a second into the current play cycle
extern int16_t gintPhase;      // phase of the play cycle, 0 to 4
extern int16_t gintRepeat;     // play cycles finished for the current sentence
