#include "pages/yearly/YearPage3.h"

#include "pages/frame/LayoutLiterals.h"
#include "pages/yearly/YearTable.h"
#include "pages/yearly/YearlyPage.h"
#include "toolkit/Canvas.h"
#include "toolkit/PageHeading.h"
#include "toolkit/Renderers.h"
#include "report/Component.h"

#include <array>

namespace tabulon {

namespace {

constexpr double LabelWidth = 1005;
constexpr double TableBottom = 13110;
constexpr double RowHeight = 300;
constexpr double GroupWidth = 2055;
constexpr int Calm = 17;
constexpr int MaximumMonthItem = 6;   // of YWindYearRow

// The two blocks share one shape; the lower lies 6400 lower and holds directions 10 to 16,
// calm and the most frequent direction.
struct WindBlock {
    int firstDirection;
    int lastDirection;
    double titleY;        // "风 的 统 计"
    double titleWidth;
    double namesY;        // direction names, the item captions 300 below
    double firstMonthY;
    double totalY;        // 年合计
    double maximumY;      // 年最大
    double meanY;         // 年平均或月份, two rows high
};
constexpr std::array<WindBlock, 2> Blocks{{
    {1, 9, 310, 18495, 610, 1910, 5510, 5810, 6110},
    {10, 16, 6710, 16440, 7010, 8310, 11910, 12210, 12510},
}};

const QStringList& DirectionNames()
{
    static const QStringList names =
        CutPieces(QStringLiteral("N  NNENE ENEE  ESESE SSES  SSWSW WSWW  WNWNW NNWC  "), 3);
    return names;
}

// The five items of a direction group: captions and widths, side by side.
const std::array<QString, 5> ItemCaptions{QStringLiteral("风速合计"), QStringLiteral("出现回数"),
                                          QStringLiteral("平均风速"), QStringLiteral("风向频率"),
                                          QStringLiteral("最大风速")};
const std::vector<int> ItemWidths{511, 411, 411, 311, 411};

double GroupX(const WindBlock& b, int direction) { return LabelWidth + GroupWidth * (direction - b.firstDirection); }

const MonthLabelColumn& Labels()
{
    auto yearRows = [](const WindBlock& b) {
        return std::vector<YearRowLabel>{{QStringLiteral("年合计"), b.totalY, RowHeight},
                                         {QStringLiteral("年最大"), b.maximumY, RowHeight},
                                         {QStringLiteral("年平均或月份"), b.meanY, 2 * RowHeight, 3, RowHeight}};
    };
    static const MonthLabelColumn labels{
        LabelWidth,
        TableBottom,
        {310, 1900},
        {{Blocks[0].titleY, 1600, Blocks[0].firstMonthY, RowHeight, yearRows(Blocks[0])},
         {Blocks[1].titleY, 1600, Blocks[1].firstMonthY, RowHeight, yearRows(Blocks[1])}},
        NumberFields(QStringLiteral("3700 5500 6700 8310 101101191013110"), 5)};
    return labels;
}

void PrintHeadings(Component& c)
{
    Canvas& cv = c.canvas;
    cv.SetFont(11, 1);
    PrintPageHeading(c);
    for (const WindBlock& b : Blocks)
        cv.PrintCell(-1, QStringLiteral("风    的    统    计"), b.titleWidth, RowHeight, LabelWidth, b.titleY);
    cv.SetFont(10, 1);
    const YearColumns items = YearColumns::fromWidths(0, ItemWidths);
    for (const WindBlock& b : Blocks)
        for (int d = b.firstDirection; d <= b.lastDirection; ++d) {
            const double x = GroupX(b, d);
            cv.PrintCell(-1, DirectionNames().at(d - 1), GroupWidth, RowHeight, x, b.namesY);
            for (int i = 1; i <= items.count(); ++i)
                cv.PrintWrappedText(-1, items.width(i), 1000, x + items.x(i), b.namesY + RowHeight,
                                    ItemCaptions.at(static_cast<std::size_t>(i - 1)), 250, 1);
        }
}

void DrawRules(Component& c)
{
    Canvas& cv = c.canvas;
    const int lw = cv.LineWeight;
    for (int y : NumberFields(QStringLiteral("310  1900 3700 5500 6700 8310 101101191013110"), 5))
        cv.DrawHorizontalLine(0, y, LogicalPageWidth, lw);
    for (int f = 1; f <= 9; ++f) {
        const double x = LabelWidth + GroupWidth * f;
        cv.DrawVerticalLine(x, Blocks[0].namesY, Blocks[1].titleY, lw);
        cv.DrawVerticalLine(x, Blocks[1].namesY, TableBottom, lw);
    }
    cv.DrawVerticalLine(17445, Blocks[0].namesY, TableBottom, lw);
    cv.DrawVerticalLine(LogicalPageWidth, 310, TableBottom, lw);
}

// The month of a direction's yearly maximum is shown, and kept, with "月" after it. An
// empty cell (no maximum, or a year file that failed to read) stays empty.
void MarkAsMonth(QString& cell)
{
    if (!cell.isEmpty() && !cell.endsWith(u'月'))
        cell += u'月';
}

void PrintDirection(Component& c, const WindBlock& b, int d)
{
    static const ColumnItems months = ColumnItems::offset(5, 0);
    static const ColumnItems totals(5, {{1, 2, 1}});
    static const ColumnItems maximum(5, {{5, 5, 5}});
    static const ColumnItems meanOrMonth(5, {{3, 4, 3}, {5, 5, MaximumMonthItem}});
    ReportTables& t = c.tables;
    const YearTable table(YearColumns::fromWidths(GroupX(b, d), ItemWidths), b.firstMonthY, RowHeight);
    table.PrintMonths(c, months, [&t, d](int m, int item) { return t.YWindStat(m, d, item); });
    auto year = [&t, d](int item) { return t.YWindYearRow(d, item); };
    table.PrintYearRow(c, totals, b.totalY, RowHeight, year);
    table.PrintYearRow(c, maximum, b.maximumY, RowHeight, year);
    MarkAsMonth(t.YWindYearRow(d, MaximumMonthItem));
    table.PrintYearRow(c, meanOrMonth, b.meanY, 2 * RowHeight, year);
}

// Calm (occurrences and frequency) and the most frequent direction, right of the lower
// block's directions.
void PrintCalmAndMostFrequent(Component& c)
{
    const WindBlock& b = Blocks[1];
    ReportTables& t = c.tables;
    const std::vector<int> widths{1233, 822};

    static const ColumnItems calmMonths(2, {{1, 1, 2}, {2, 2, 4}});
    static const ColumnItems calmTotal(2, {{1, 1, 2}});
    static const ColumnItems calmMaximum(2, {});
    static const ColumnItems calmMean(2, {{2, 2, 4}});
    const YearTable calm(YearColumns::fromWidths(15390, widths), b.firstMonthY, RowHeight);
    calm.PrintMonths(c, calmMonths, [&t](int m, int item) { return t.YWindStat(m, Calm, item); });
    auto calmYear = [&t](int item) { return t.YWindYearRow(Calm, item); };
    calm.PrintYearRow(c, calmTotal, b.totalY, RowHeight, calmYear);
    calm.PrintYearRow(c, calmMaximum, b.maximumY, RowHeight, calmYear);
    calm.PrintYearRow(c, calmMean, b.meanY, 2 * RowHeight, calmYear);

    static const ColumnItems mostFrequent(2, {{1, 2, 109}});
    const YearTable most(YearColumns::fromWidths(17445, widths), b.firstMonthY, RowHeight);
    most.PrintMonths(c, mostFrequent);
    most.PrintYearRow(c, mostFrequent, b.meanY, 2 * RowHeight);
}

void PrintLastGroupHeadings(Component& c)
{
    static const std::vector<HeadingCell> cells{
        {QStringLiteral("C"), 15390, 7010, 2055, 300},
        {QStringLiteral("出现回数"), 15390, 7310, 1233, 1000},
        {QStringLiteral("风向频率"), 16623, 7310, 822, 1000, 2, 500},
        {QStringLiteral("最多风向"), 17445, 6710, 2055, 600},
        {QStringLiteral("风向"), 17445, 7310, 1233, 1000},
        {QStringLiteral("频率"), 18678, 7310, 822, 1000},
        {QStringLiteral("年最多风向"), 17445, 11910, 1233, 600},
        {QStringLiteral("频率"), 18678, 11910, 822, 600},
    };
    c.canvas.SetFont(11, 1);
    PrintHeadingCells(c, cells);
}

void DrawBody(Component& c)
{
    PrintHeadings(c);
    DrawRules(c);
    c.canvas.SetFont(9, 1);
    for (const WindBlock& b : Blocks)
        for (int d = b.firstDirection; d <= b.lastDirection; ++d)
            PrintDirection(c, b, d);
    PrintCalmAndMostFrequent(c);
    PrintLastGroupHeadings(c);
}

[[maybe_unused]] const bool registered =
    RegisterRenderer(RendererId::PrintYearPage3, [](Component& c, const RendererArgs&) { PrintYearPage3(c); });

}  // namespace

void PrintYearPage3(Component& c)
{
    static const YearlyPage page{Labels(), 0, DrawBody, 3, 13300, {}};
    DrawYearlyPage(c, page);
}

}  // namespace tabulon
