#include "toolkit/ScopedOutput.h"

namespace tabulon {

OutputSettings OutputSettings::of(const DrawingState& s)
{
    return {s.PrintMode, s.OutputTarget, s.PageScale, s.LeftMargin, s.TopMargin};
}

OutputSettings OutputSettings::preview(Decimal4 scale, std::int16_t left, std::int16_t top)
{
    return {OutputMode::Preview, nullptr, scale, left, top};
}

OutputSettings OutputSettings::drawingOn(Surface& target, Decimal4 scale, std::int16_t left, std::int16_t top)
{
    return {OutputMode::OnTarget, &target, scale, left, top};
}

void OutputSettings::applyTo(DrawingState& s) const
{
    s.PrintMode = PrintMode;
    s.OutputTarget = OutputTarget;
    s.PageScale = PageScale;
    s.LeftMargin = LeftMargin;
    s.TopMargin = TopMargin;
}

}  // namespace tabulon
