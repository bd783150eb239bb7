#include "core/review/review_settings.h"

#include "core/logging.h"
#include "core/ports/settings_store.h"
#include "core/settings/settings_keys.h"

namespace {

QString readReviewText(const SettingsStore& store, const char* key) {
    return store.read(QLatin1String(kSettingsApplication), QLatin1String(ReviewKeys::kSection),
                      QLatin1String(key));
}

} // namespace

bool readReviewEnabled(const SettingsStore& store) {
    return readReviewText(store, ReviewKeys::kEnabled).trimmed() == QLatin1String("1");
}

void writeReviewEnabled(SettingsStore& store, bool enabled) {
    store.write(QLatin1String(kSettingsApplication), QLatin1String(ReviewKeys::kSection),
                QLatin1String(ReviewKeys::kEnabled),
                enabled ? QStringLiteral("1") : QStringLiteral("0"));
    store.sync();
}

FsrsWeights readReviewWeights(const SettingsStore& store) {
    const QString text = readReviewText(store, ReviewKeys::kWeights).trimmed();
    if (text.isEmpty())
        return FsrsWeights::defaults();
    QString whyNot;
    if (const auto weights = FsrsWeights::fromText(text, &whyNot))
        return *weights;
    qCWarning(lcReview).noquote()
        << QStringLiteral("the stored [%1] %2= cannot be used (%3): the default weights are used")
               .arg(QLatin1String(ReviewKeys::kSection), QLatin1String(ReviewKeys::kWeights),
                    whyNot);
    return FsrsWeights::defaults();
}
