#include "app/module1.h"

SettingsRecord Settings;

int16_t gintStartCount = 0;
int16_t gintTick = 0;
int16_t gintPhase = 0;
int16_t gintRepeat = 0;
