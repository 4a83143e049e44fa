#include "pages/frame/TenDayLayout.h"

#include "toolkit/PageFrame.h"
#include "toolkit/TextHelpers.h"
#include "report/Component.h"

#include <algorithm>

namespace tabulon {

namespace {
// Row labels, 4 characters each, in the order of the rows.
const QString RowLabelLiteral = QStringLiteral(
    "   1   2   3   4   5   6   7   8   9  10上旬平均  11  12  13  14  15  16  17  18  19  20中旬平均"
    "  21  22  23  24  25  26  27  28  29  30  31下旬平均 月平均 月极值");

// Row-label indexes of the separators: after day 5, around the first statistics row, after
// day 15, around the second, after day 25, above the third, above the month row and above
// the month-extreme row.
constexpr int SeparatorRows[TenDayLayout::SeparatorCount] = {5, 10, 11, 16, 21, 22, 27, 33, 34, 35};
constexpr int StatisticsRows[TenDayLayout::PeriodCount] = {10, 21, 33, 34};
constexpr int FirstRowOfBlock[3] = {0, 11, 22};
}  // namespace

DecadeLayout TenDayLayout::decades() const
{
    DecadeLayout d;
    d.rowHeight = RowHeight;
    for (int row : FirstRowOfBlock)
        d.blockTops.push_back(static_cast<int>(rowY(row)));
    for (int row : StatisticsRows)
        d.statRows.push_back(static_cast<int>(rowY(row)));
    return d;
}

double TenDayLayout::dayRowY(int day) const
{
    return decades().dayY(day);
}

double TenDayLayout::statisticsRowY(int period) const
{
    return rowY(StatisticsRows[std::clamp(period, 1, PeriodCount) - 1]);
}

TenDayLayout::Separator TenDayLayout::separator(int n) const
{
    const int row = SeparatorRows[std::clamp(n, 0, SeparatorCount - 1)];
    return {rowY(row), row == 5 || row == 16 || row == 27};
}

RowRules TenDayLayout::separators() const
{
    std::vector<int> ys;
    for (int row : SeparatorRows)
        ys.push_back(static_cast<int>(rowY(row)));
    return RowRules::decadeRules(ys);
}

QStringList TenDayLayout::RowLabels()
{
    return CutPieces(RowLabelLiteral, 4, 36);
}

void TenDayLayout::DrawCorner(Component& c) const
{
    DrawCornerPane(c, cornerWidth, rowOrigin, cornerRightRuleBottom);
}

void TenDayLayout::DrawHeadingBandRules(Component& c, const std::vector<VerticalRule>& more) const
{
    Canvas& cv = c.canvas;
    const int lw = cv.LineWeight;
    const double lowerTier = rowOrigin - 400;
    cv.DrawHorizontalLine(0, BandTop, 19500, lw);
    cv.DrawHorizontalLine(0, rowOrigin, 19500, lw);
    for (int i = 1; i <= 4 && fixedHourHeadingRules; ++i) {
        cv.DrawVerticalLine(fixedHourRightX(i), lowerTier, rowOrigin, lw);
        cv.DrawVerticalLine(fixedHourLeftX(i), lowerTier, rowOrigin, lw);
    }
    for (const VerticalRule& r : more)
        cv.DrawVerticalLine(r.x, r.y1, r.y2, lw);
}

void TenDayLayout::PrintColumnLabels(Component& c, const QStringList& labels, int firstTwoTierColumn,
                                     double twoTierWidth) const
{
    Canvas& cv = c.canvas;
    const double lowerTier = rowOrigin - 400;
    const int count = std::min(static_cast<int>(labels.size()), columnCount);
    for (int col = 0; col < count; ++col) {
        if (firstTwoTierColumn >= 0 && col >= firstTwoTierColumn)
            cv.PrintCell(Border::Framed, labels[col], twoTierWidth > 0 ? twoTierWidth : columnWidth,
                         rowOrigin - BandTop, columnX(col), BandTop, 0);
        else
            cv.PrintCell(Border::Framed, labels[col], columnWidth, 400, columnX(col), lowerTier, 0);
    }
}

void TenDayLayout::DrawRowHeadings(Component& c) const
{
    Canvas& cv = c.canvas;
    const int lw = cv.LineWeight;
    cv.DrawVerticalLine(0, BandTop, rowHeadingOuterBottom, lw);
    cv.DrawVerticalLine(cornerWidth, BandTop, rowHeadingInnerBottom, lw);
    separators().draw(cv, 0, rowSeparatorEnd);
    if (withExtremesRow)
        cv.DrawHorizontalLine(0, extremesRowBottom(), rowSeparatorEnd, lw);

    cv.SetFont(11, 1);
    if (!rowLabels.isEmpty()) {
        for (qsizetype k = 0; k < rowLabels.size(); ++k)
            cv.PrintCell(cv.ShowGridLines, rowLabels[k], rowLabelWidth, RowHeight, 0, rowY(static_cast<int>(k)), 0);
        return;
    }
    PrintRowLabels(cv, RowLabelLiteral, 4, withExtremesRow ? 36 : 35, 0, rowLabelWidth, rowOrigin, RowHeight,
                   cv.ShowGridLines);
}

void TenDayLayout::ForEachDayRow(Component& c, const std::function<void(int day, double y)>& row) const
{
    decades().forEachDay(DaysInMonth(c), row);
}

void TenDayLayout::ForEachStatisticsRow(const std::function<void(int period, double y)>& row) const
{
    decades().forEachStatRow(row);
}

void TenDayLayout::PrintBlankDays(Component& c) const
{
    const auto twips = [](double v) { return static_cast<std::int16_t>(v); };
    PrintBlankDayRows(c, twips(statisticsRowY(3)), twips(cellOrigin), twips(columnWidth), twips(RowHeight),
                      static_cast<std::int16_t>(columnCount));
}

void TenDayLayout::PrintValue(Component& c, const QString& text, int column, double y) const
{
    PrintValueAt(c, text, columnX(column), y);
}

void TenDayLayout::PrintValueAt(Component& c, const QString& text, double x, double y) const
{
    Canvas& cv = c.canvas;
    cv.PrintCell(cv.ShowGridLines, text, columnWidth, RowHeight, x, y, 0);
}

double TenDayLayout::PrintExtremeCells(Component& c, const QStringList& cells,
                                       const std::vector<double>& widths) const
{
    double x = extremesOrigin.value_or(cellOrigin);
    for (qsizetype k = 0; k < cells.size() && k < static_cast<qsizetype>(widths.size()); ++k) {
        c.canvas.PrintCell(Border::Framed, cells[k], widths[k], RowHeight, x, extremesRowY(), 0);
        x += widths[k];
    }
    return x;
}

void TenDayLayout::DrawFixedHourRules(Component& c, double top, double leftTop, double bottom) const
{
    Canvas& cv = c.canvas;
    for (int i = 1; i <= 4; ++i) {
        cv.DrawVerticalLine(fixedHourRightX(i), top, bottom, cv.LineWeight);
        cv.DrawVerticalLine(fixedHourLeftX(i), leftTop, bottom, cv.LineWeight);
    }
}

void TenDayLayout::DrawSeparators(Component& c, double x1, double x2) const
{
    separators().draw(c.canvas, x1, x2);
}

}  // namespace tabulon
