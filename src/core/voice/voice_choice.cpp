#include "core/voice/voice_choice.h"

#include "core/ports/settings_store.h"
#include "core/settings/settings_keys.h"

namespace {
const QString kVoiceSection = QLatin1String(VoiceKeys::kSection);
const QString kNameKey = QLatin1String(VoiceKeys::kName);
} // namespace

QString storedVoice(const SettingsStore& store) {
    return store.read(QLatin1String(kSettingsApplication), kVoiceSection, kNameKey);
}

void storeVoice(SettingsStore& store, const QString& name) {
    store.write(QLatin1String(kSettingsApplication), kVoiceSection, kNameKey, name);
    store.sync();
}
