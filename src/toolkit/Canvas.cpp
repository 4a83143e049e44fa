// Rules and fonts, and the surface the primitives draw on.
#include "toolkit/Canvas.h"

#include "platform/Surface.h"
#include "platform/ReportError.h"

#include <exception>

namespace tabulon {

namespace {
// The number of one-twip strokes of a rule by width code; other codes draw nothing.
int strokeCount(int widthCode)
{
    switch (widthCode) {
    case 1: return 1;
    case 2: return 10;
    case 3: return 15;
    case 4: return 20;
    case 5: return 30;
    default: return 0;
    }
}

// Runs one step of a font setter; a failing step is skipped and the face falls back to 1.
template <typename Step>
void fontStep(int& face, Step&& step)
{
    try {
        step();
    } catch (const std::exception&) {
        face = Face::Text;
    }
}
}  // namespace

Surface& Canvas::target() const
{
    if (!OutputTarget)
        throw ReportError(91, QStringLiteral("对象变量或 With 块变量未设置"));
    return *OutputTarget;
}

void Canvas::notify(CanvasCall::Kind kind, std::vector<double> numbers, const QString& text, int textIndex)
{
    Observer->onCall(CanvasCall{kind, std::move(numbers), text, textIndex, TextAlign});
}

void Canvas::DrawVerticalLine(double x, double y1, double y2, int widthCode)
{
    if (observing())
        notify(CanvasCall::Kind::DrawVerticalLine, {x, y1, y2, double(widthCode)});
    const int n = strokeCount(widthCode);
    if (n == 0)
        return;
    Surface& s = target();
    // Rules start on whole device twips; the strokes themselves are never scaled.
    const double X = double(PageScale.intTimes(x)) + LeftMargin;
    const double Y1 = double(PageScale.intTimes(y1)) + TopMargin;
    const double Y2 = double(PageScale.intTimes(y2)) + TopMargin;
    for (int k = 1; k <= n; ++k)
        s.Line(X + k, Y1, X + k, Y2);
}

void Canvas::DrawHorizontalLine(double x1, double y, double x2, int widthCode)
{
    if (observing())
        notify(CanvasCall::Kind::DrawHorizontalLine, {x1, y, x2, double(widthCode)});
    const int n = strokeCount(widthCode);
    if (n == 0)
        return;
    Surface& s = target();
    const double X1 = double(PageScale.intTimes(x1)) + LeftMargin;
    const double X2 = double(PageScale.intTimes(x2)) + LeftMargin;
    const double Y = double(PageScale.intTimes(y)) + TopMargin;
    for (int k = 1; k <= n; ++k)
        s.Line(X1, Y + k, X2, Y + k);
}

void Canvas::SetFont(int size, int& face)
{
    if (observing())
        notify(CanvasCall::Kind::SetFont, {double(size), double(face)});
    NestedCall nested(*this);
    SetFontUnscaled(PageScale.times(size), face);
}

void Canvas::SetFontUnscaled(double size, int& face)
{
    if (observing())
        notify(CanvasCall::Kind::SetFontUnscaled, {size, double(face)});
    auto faceName = [&face] { return face == Face::Text ? TextFontName : SymbolFontName; };
    fontStep(face, [&] { target().SetFontName(faceName()); });
    fontStep(face, [&] { target().SetFontSize(size); });
    // A surface may round a small size down below 8 points; it gets one more try.
    bool retry = false;
    fontStep(face, [&] { retry = target().FontSize() < 8; });
    if (retry) {
        fontStep(face, [&] { target().SetFontName(faceName()); });
        fontStep(face, [&] { target().SetFontSize(size); });
    }
}

}  // namespace tabulon
