#include "platform/native_settings.h"

std::unique_ptr<QSettings> openNativeSettings(const QString& application) {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, application);
}

bool nativeSettingsInAFile() {
    return true;
}

void setNativeSettingsRegistryRoot(const QString&) {}
