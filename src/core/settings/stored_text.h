// Conversions between stored texts and the numbers they hold.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// "1", "11000": decimal, no padding.
QString textFromInteger(int value);
// A single-precision number as the store keeps it: "5680", "5680.5".
QString textFromSingle(float value);

// A 16-bit integer from its text; fractions round half to even. Empty, non-numeric or
// out-of-range text gives nothing.
std::optional<int16_t> integerFromText(const QString& text);
std::optional<float> singleFromText(const QString& text);
