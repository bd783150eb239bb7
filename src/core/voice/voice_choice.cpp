#include "core/voice/voice_choice.h"

#include "core/ports/settings_store.h"
#include "core/settings/settings_persistence.h"

namespace {
const QString kVoiceSection = QStringLiteral("Voice");
const QString kNameKey = QStringLiteral("name");
} // namespace

QString storedVoice(const SettingsStore& store) {
    return store.read(QLatin1String(kSettingsApplication), kVoiceSection, kNameKey);
}

void storeVoice(SettingsStore& store, const QString& name) {
    store.write(QLatin1String(kSettingsApplication), kVoiceSection, kNameKey, name);
    store.sync();
}
