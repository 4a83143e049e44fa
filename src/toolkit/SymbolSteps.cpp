#include "toolkit/SymbolSteps.h"

#include "platform/Surface.h"

namespace tabulon {

namespace {
// Text printed by the symbol printers starts this many device twips inside the cell.
constexpr double CellTextInset = 50;
}  // namespace

void SymbolSteps::failed(const ReportError& error)
{
    ++c_.DrawingErrors;
    if (slot_ == NoSlot || !ShowErrorOnce(c_, slot_, context_, error))
        FallBackToTextFace(c_.canvas);
}

void SymbolSteps::face(const QString& name)
{
    (*this)([&] { c_.canvas.target().SetFontName(name); });
}

void SymbolSteps::print(const QString& text)
{
    if (text.isEmpty())
        return;
    (*this)([&] { c_.canvas.target().Print(text); });
}

void SymbolSteps::penAtCellLeft(double x)
{
    (*this)([&] { c_.canvas.target().CurrentX = c_.canvas.deviceX(x) + CellTextInset; });
}

void SymbolSteps::centreInCell(double y, double h, const QString& sample, double lift)
{
    (*this)([&] {
        Canvas& cv = c_.canvas;
        Surface& s = cv.target();
        s.CurrentY = cv.deviceY(y) + (cv.scaled(h) - s.TextHeight(sample)) / 2 - lift;
    });
}

}  // namespace tabulon
