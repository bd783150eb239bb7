// The [Review] group of the settings store: whether what is due plays first, and the weights
// the learner fitted on their own log.
#pragma once

#include "core/review/fsrs_model.h"

class SettingsStore;

bool readReviewEnabled(const SettingsStore& store);
// Written and made durable at once.
void writeReviewEnabled(SettingsStore& store, bool enabled);
// The stored weights; none stored gives the defaults, and weights that cannot be used are said
// in one line on standard error and give the defaults too.
FsrsWeights readReviewWeights(const SettingsStore& store);
