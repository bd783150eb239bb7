#include "platform/voice_choice.h"

#include "app/settings_persistence.h"
#include "platform/settings_store.h"

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
