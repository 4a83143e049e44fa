#include "pages/frame/RowLayouts.h"

#include "pages/frame/LayoutLiterals.h"
#include "toolkit/Canvas.h"
#include "toolkit/Numeric.h"
#include "platform/ReportError.h"
#include "report/Component.h"

#include <algorithm>

namespace tabulon {

namespace {
// The day labels of the day grid, two characters each.
const QString DayGridLabels =
    QStringLiteral(" 1 2 3 4 5 6 7 8 910111213141516171819202122232425262728293031");
}  // namespace

int DaysInMonth(const Component& c)
{
    // Only compared with days 1..31: any count outside 0..31 reads as the nearer end, so no
    // cast can overflow.
    return static_cast<int>(std::clamp(Val(c.tables.AfilePara(4).toString()), 0.0, 31.0));
}

int DaysInRadiationMonth(const Component& c)
{
    // Only compared with days 1..31: a larger count reads as 31, so no cast can overflow.
    return static_cast<int>(std::clamp(Val(c.tables.RfilePara(4).toString()), 0.0, 31.0));
}

RowRules RowRules::decadeRules(const QString& literal, int width)
{
    return decadeRules(width > 0 ? NumberFields(literal, width) : CommaNumbers(literal));
}

RowRules RowRules::decadeRules(const std::vector<int>& ys)
{
    RowRules r;
    for (std::size_t i = 0; i < ys.size(); ++i) {
        const bool afterPentad = i == 0 || i == 3 || i == 6;
        r.add(ys[i], afterPentad ? -1 : 0);
    }
    return r;
}

std::vector<int> RowRules::ys() const
{
    std::vector<int> out;
    for (const Rule& r : rules_)
        out.push_back(r.y);
    return out;
}

void RowRules::draw(Canvas& cv, double x1, double x2, const std::function<double(int y)>& rightEnd) const
{
    for (const Rule& r : rules_)
        cv.DrawHorizontalLine(x1, r.y, rightEnd ? rightEnd(r.y) : x2, weightOf(r, cv.LineWeight));
}

DecadeLayout DecadeLayout::fromLiterals(const QString& blockTops, const QString& statRows, double rowHeight)
{
    return DecadeLayout{CommaNumbers(blockTops), CommaNumbers(statRows), rowHeight};
}

int DecadeLayout::daysInBlock(int block, int daysInMonth)
{
    return block < 2 ? 10 : std::max(0, daysInMonth - 20);
}

double DecadeLayout::dayY(int day) const
{
    const int block = std::clamp((day - 1) / 10, 0, 2);
    if (block >= static_cast<int>(blockTops.size()))
        throw ReportError::subscriptOutOfRange();
    return blockTops[static_cast<std::size_t>(block)] + rowHeight * (day - 1 - 10 * block);
}

void DecadeLayout::forEachDay(int daysInMonth, const std::function<void(int day, double y)>& draw) const
{
    // A header claiming more than 31 days still stops at the row of day 31, the last row a page has.
    const int lastDay = std::min(daysInMonth, 31);
    for (int block = 0; block < 3 && block < static_cast<int>(blockTops.size()); ++block) {
        const int n = daysInBlock(block, lastDay);
        for (int j = 1; j <= n; ++j)
            draw(10 * block + j, blockTops[static_cast<std::size_t>(block)] + rowHeight * (j - 1));
    }
}

void DecadeLayout::forEachStatRow(const std::function<void(int period, double y)>& draw) const
{
    for (std::size_t i = 0; i < statRows.size(); ++i)
        draw(static_cast<int>(i) + 1, statRows[i]);
}

RowRules DayGrid::dayRules() const
{
    RowRules r;
    for (int day = 5; day <= 25; day += 5) {
        const bool tenDay = day % 10 == 0;
        r.add(static_cast<int>(dayY(day + 1)), tenDay && heavyTenDayRules ? 0 : -1);
    }
    return r;
}

void DayGrid::printDayLabels(Canvas& cv, double x, double width, int border) const
{
    PrintRowLabels(cv, DayGridLabels, 2, 31, x, width, top, rowHeight, border);
}

void DayGrid::forEachDay(int daysInMonth, const std::function<void(int day, double y)>& draw) const
{
    for (int day = 1; day <= std::min(daysInMonth, 31); ++day)
        draw(day, dayY(day));
}

void PrintRowLabels(Canvas& cv, const QString& literal, int pieceWidth, int count, double x,
                    double width, double top, double rowHeight, int border)
{
    for (int k = 0; k < count; ++k)
        cv.PrintCell(border, FixedWidthPiece(literal, k, pieceWidth), width, rowHeight, x, top + rowHeight * k);
}

void PrintRowLabels(Canvas& cv, const QStringList& labels, double x, double width, double top,
                    double rowHeight, int border)
{
    for (qsizetype k = 0; k < labels.size(); ++k)
        cv.PrintCell(border, labels[k], width, rowHeight, x, top + rowHeight * double(k));
}

}  // namespace tabulon
