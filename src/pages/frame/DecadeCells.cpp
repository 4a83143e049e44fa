#include "pages/frame/DecadeCells.h"

#include "pages/frame/RowLayouts.h"
#include "toolkit/Canvas.h"
#include "toolkit/TextHelpers.h"

namespace tabulon {

namespace {
constexpr double BandTop = 310;
}

void RowCells::value(double x, double y, double w, const QString& text) const
{
    cv_.PrintCell(cv_.ShowGridLines, text, w, rowHeight_, x, y);
}

void RowCells::padded(double x, double y, double w, QString& cell) const
{
    FormatTwoDigits(cell);
    value(x, y, w, cell);
}

void RowCells::repeat(double x0, double y, double w, int count, const QString& text) const
{
    for (int k = 0; k < count; ++k)
        value(x0 + w * k, y, w, text);
}

void RowCells::heading(double x, double y, double w, const QString& text) const
{
    cv_.PrintCell(-1, text, w, rowHeight_, x, y);
}

void PrintCellRun(Canvas& cv, int border, double x0, double y, double h, const std::vector<int>& widths,
                  const QStringList& texts)
{
    double x = x0;
    for (qsizetype i = 0; i < texts.size() && static_cast<std::size_t>(i) < widths.size(); ++i) {
        const double w = widths[static_cast<std::size_t>(i)];
        cv.PrintCell(border, texts[i], w, h, x, y);
        x += w;
    }
}

void DrawDecadeRowRules(Canvas& cv, const RowRules& rules, double cornerWidth, double tableBottom,
                        double outerRuleBottom)
{
    cv.DrawVerticalLine(0, BandTop, outerRuleBottom > 0 ? outerRuleBottom : tableBottom, cv.LineWeight);
    cv.DrawVerticalLine(cornerWidth, BandTop, tableBottom, cv.LineWeight);
    rules.draw(cv, 0, cornerWidth);
}

}  // namespace tabulon
