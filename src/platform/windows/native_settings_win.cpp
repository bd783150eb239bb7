#include "platform/native_settings.h"

namespace {

QString& registryRoot() {
    static QString root = QStringLiteral("HKEY_CURRENT_USER\\Software");
    return root;
}

} // namespace

std::unique_ptr<QSettings> openNativeSettings(const QString& application) {
    return std::make_unique<QSettings>(registryRoot() + QLatin1Char('\\') + application,
                                       QSettings::NativeFormat);
}

bool nativeSettingsInAFile() {
    return false;
}

void setNativeSettingsRegistryRoot(const QString& key) {
    registryRoot() = key;
}
