#include "core/settings/stored_text.h"

#include <cmath>
#include <limits>

QString textFromInteger(int value) {
    return QString::number(value);
}

QString textFromSingle(float value) {
    // Seven significant digits is what a single holds; 'g' drops a trailing ".0".
    return QString::number(static_cast<double>(value), 'g', 7);
}

namespace {
std::optional<double> numberFromText(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}
} // namespace

std::optional<int16_t> integerFromText(const QString& text) {
    const auto value = numberFromText(text);
    if (!value)
        return std::nullopt;
    const double rounded = std::nearbyint(*value); // the default rounding mode: half to even
    if (rounded < std::numeric_limits<int16_t>::min() ||
        rounded > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

std::optional<float> singleFromText(const QString& text) {
    const auto value = numberFromText(text);
    if (!value || std::fabs(*value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(*value);
}
