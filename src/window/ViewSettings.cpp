#include "window/ViewSettings.h"

namespace tabulon {

Decimal4 MagnifiedScale(Decimal4 scale)
{
    const Decimal4 s = scale + PageScaleStep;
    return s > MaxPageScale ? MaxPageScale : s;
}

Decimal4 DesizedScale(Decimal4 scale)
{
    const Decimal4 s = scale - PageScaleStep;
    return s < MinPageScale ? MinPageScale : s;
}

QString RatioText(Decimal4 scale)
{
    return Decimal4::fromRaw(scale.raw() * 100).toString();
}

Decimal4 ScaleFromRatioText(const QString& text)
{
    return Decimal4::fromDouble(Val(text) / 100.0);
}

std::int16_t LineWeightForSample(int l_w, std::int16_t current)
{
    switch (l_w) {
    case 20: return 3;
    case 28: return 4;
    case 45: return 5;
    default: return current;
    }
}

}  // namespace tabulon
