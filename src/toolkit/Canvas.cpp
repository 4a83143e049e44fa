#include "toolkit/Canvas.h"

#include "platform/Surface.h"
#include "toolkit/ReportError.h"

namespace tabulon {

Surface& Canvas::target() const
{
    if (!OutputTarget)
        throw ReportError(91, QStringLiteral("对象变量或 With 块变量未设置"));
    return *OutputTarget;
}

// Placeholder bodies: the drawing toolkit fills these in.
void Canvas::DrawVerticalLine(double, double, double, int) {}
void Canvas::DrawHorizontalLine(double, double, double, int) {}
void Canvas::SetFont(int, int&) {}
void Canvas::SetFontUnscaled(double, int&) {}
void Canvas::PrintCell(int, const QString&, double, double, double, double, int) {}
void Canvas::PrintWrappedText(int, double, double, double, double, const QString&, double, int) {}
void Canvas::PlaceSymbolText(int, const QString&, double, double, double, double) {}
void Canvas::PrintCellTwoLines(int, const QString&, double, double, double, double) {}
void Canvas::PrintParagraph(int, double, const QString&, double, double, double, double) {}

}  // namespace tabulon
