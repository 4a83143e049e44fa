#pragma once
// The preview zoom: steps of exactly 0.1 between 0.5 and 1.5, shown in percent.

#include "toolkit/Numeric.h"

#include <QString>

namespace tabulon {

constexpr Decimal4 MinPageScale = Decimal4::fromRaw(5000);
constexpr Decimal4 MaxPageScale = Decimal4::fromRaw(15000);
constexpr Decimal4 PageScaleStep = Decimal4::fromRaw(1000);

// One step in or out, kept within the limits.
Decimal4 MagnifiedScale(Decimal4 scale);
Decimal4 DesizedScale(Decimal4 scale);

// The ratio list's text for a scale: 1.1 -> "110".
QString RatioText(Decimal4 scale);

// The scale chosen in the ratio list: "80" -> 0.8 (the leading number of the text / 100).
Decimal4 ScaleFromRatioText(const QString& text);

// The line weight chosen by a sample of l_w lines: 20 -> 3, 28 -> 4, 45 -> 5; any
// other value leaves `current`.
std::int16_t LineWeightForSample(int l_w, std::int16_t current);

}  // namespace tabulon
