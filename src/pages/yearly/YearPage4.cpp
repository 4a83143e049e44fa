#include "pages/yearly/YearPage4.h"

#include "pages/frame/LayoutLiterals.h"
#include "pages/yearly/YearTable.h"
#include "pages/yearly/YearlyPage.h"
#include "toolkit/Canvas.h"
#include "toolkit/Numeric.h"
#include "toolkit/PageHeading.h"
#include "toolkit/Renderers.h"
#include "report/Component.h"

namespace tabulon {

namespace {

constexpr double LabelWidth = 1020;
constexpr double TableBottom = 12010;
constexpr double RowHeight = 320;
constexpr double YearValueDrop = 10;   // year values stand this much below their labels

constexpr double UpperMonthTop = 1210;
constexpr double LowerHeadingTop = 6000;
constexpr double LowerMonthTop = 7210;
constexpr double UpperTotals = 5040;
constexpr double LowerTotals = 11040;
constexpr double BlockRule = 6010;   // where the upper block's group rules end

// Upper block: 24 columns of 770 (column c shows item 117 + c); lower block: 16 of 1155.
constexpr int UpperColumns = 24;
constexpr int UpperItemBase = 117;
constexpr double UpperWidth = 770;
constexpr int LowerColumns = 16;
constexpr double LowerWidth = 1155;
constexpr int FrozenDepthColumn = 1;
constexpr int PercentageColumn = 14;

constexpr double FrozenDepthLimit = 500;   // cm; deeper is printed as ">" and the excess

// The three year rows of a block, in order: total, extreme, mean.
double YearRowY(double totalsY, int row) { return totalsY + RowHeight * row; }

// The year rows' values, each a little below its label.
void PrintYearRows(Component& c, const YearTable& table, double totalsY,
                   std::initializer_list<const ColumnItems*> rows)
{
    int row = 0;
    for (const ColumnItems* items : rows)
        table.PrintYearRow(c, *items, YearRowY(totalsY, row++) + YearValueDrop, RowHeight);
}

const MonthLabelColumn& Labels()
{
    auto yearRows = [](double totals) {
        return std::vector<YearRowLabel>{{QStringLiteral("年合计"), YearRowY(totals, 0), RowHeight},
                                         {QStringLiteral("年极值"), YearRowY(totals, 1), RowHeight},
                                         {QStringLiteral("年平均"), YearRowY(totals, 2), RowHeight}};
    };
    static const MonthLabelColumn labels{
        LabelWidth,
        TableBottom,
        {310, 1200},
        {{310, 900, UpperMonthTop, RowHeight, yearRows(UpperTotals)},
         {LowerHeadingTop, 1200, LowerMonthTop, RowHeight, yearRows(LowerTotals)}},
        NumberFields(QStringLiteral("3120 5040 6000 7200 9120 1104012000"), 5)};
    return labels;
}

const YearTable& Upper()
{
    static const YearTable t(YearColumns::uniform(LabelWidth, UpperWidth, UpperColumns), UpperMonthTop, RowHeight);
    return t;
}

// The frozen-soil maximum is printed from a copy of its cell: the table keeps the depth.
void PrintFrozenDepth(Canvas& cv, const YearCell& cell)
{
    cv.PrintCell(cell.border, FrozenDepthText(cell.text), cell.width, cell.height, cell.x, cell.y);
}

const YearTable& Lower()
{
    static const YearTable t = [] {
        YearTable table(YearColumns::uniform(LabelWidth, LowerWidth, LowerColumns), LowerMonthTop, RowHeight);
        table.printColumnWith(FrozenDepthColumn, PrintFrozenDepth);
        return table;
    }();
    return t;
}

void PrintUpperHeadings(Component& c)
{
    const QString belowZeroDays = QStringLiteral("日最低≤  0.0℃日数");
    static const std::vector<HeadingCell> cells{
        {QStringLiteral("地面(0cm)温度(0.1℃)"), 1020, 310, 6160, 300},
        {QStringLiteral("平均"), 1020, 610, 770, 600},
        {QStringLiteral("平均"), 1790, 610, 1540, 300},
        {QStringLiteral("极端"), 3330, 610, 3080, 300},
        {belowZeroDays, 6410, 610, 770, 600, 6, 300},
        {QStringLiteral("浅层地温(0.1℃)"), 7180, 310, 3850, 600},
        {QStringLiteral("深层地温(0.1℃)"), 11030, 310, 2310, 600},
        {QStringLiteral("草面(雪面)温度(0.1℃)"), 13340, 310, 6160, 300},
        {QStringLiteral("平均"), 13340, 610, 770, 600},
        {QStringLiteral("平均"), 14110, 610, 1540, 300},
        {QStringLiteral("极端"), 15650, 610, 3080, 300},
        {belowZeroDays, 18730, 610, 770, 600, 6, 300},
    };
    PrintHeadingCells(c, cells);
    // Empty fields lie under the taller "日最低" and soil headings.
    PrintHeadingPieces(c,
                       QStringLiteral("最高  最低  最高  日期  最低  日期      5cm 10cm15cm20cm40cm0.8m1.6m3.2m    "
                                      "最高  最低  最高  日期  最低  日期  "),
                       4, 22, {1790, 910, UpperWidth, 0, UpperWidth, 300});
}

void PrintUpperValues(Component& c)
{
    static const ColumnItems months = ColumnItems::offset(UpperColumns, UpperItemBase);
    static const ColumnItems totals(UpperColumns, {{8, 8, 125}, {24, 24, 141}});
    static const ColumnItems extremes(UpperColumns, {{4, 7, 121}, {20, 23, 137}});
    static const ColumnItems means(UpperColumns, {{1, 3, 118}, {9, 19, 126}});
    Upper().PrintMonths(c, months);
    PrintYearRows(c, Upper(), UpperTotals, {&totals, &extremes, &means});
}

void PrintLowerHeadings(Component& c)
{
    static const std::vector<HeadingCell> cells = [] {
        std::vector<HeadingCell> v{
            {QStringLiteral("冻土深度(cm)"), 1020, 6000, 2310, 400},
            {QStringLiteral("风    速    (0.1m/s)"), 3330, 6000, 8085, 400},
            {QStringLiteral("日照时数(0.1h)"), 11415, 6000, 8085, 400},
        };
        // The captions of columns 1, 2, 3, 13 and 14 span both caption lines.
        const QString captions = QStringLiteral(
            "最大  日期  平均  风速  风向  日期  风速  风向  日期  上   中   下   合计  百分率 ≥60%≤20%");
        for (int k = 0; k < LowerColumns; ++k) {
            const bool tall = k <= 2 || k == 12 || k == 13;
            v.push_back({FixedWidthPiece(captions, k, 4), LabelWidth + LowerWidth * k, tall ? 6410.0 : 6810.0,
                         LowerWidth, tall ? 800.0 : 400.0});
        }
        v.push_back({QStringLiteral("最大风速"), 4485, 6410, 3465, 400});
        v.push_back({QStringLiteral("极大风速"), 7950, 6410, 3465, 400});
        v.push_back({QStringLiteral("旬合计"), 11415, 6410, 3465, 400});
        v.push_back({QStringLiteral("量别日数"), 17190, 6410, 2310, 400});
        // Fills column 14 of the year total and year extreme rows.
        v.push_back({QStringLiteral("年百分率"), 16035, LowerTotals + YearValueDrop, LowerWidth, 2 * RowHeight});
        return v;
    }();
    PrintHeadingCells(c, cells);
}

void PrintLowerValues(Component& c)
{
    static const ColumnItems months(LowerColumns, {{1, 2, 142}, {3, 9, 111}, {10, 16, 144}});
    static const ColumnItems totals =
        ColumnItems(LowerColumns, {{13, 13, 147}, {15, 16, 149}}).without({PercentageColumn});
    static const ColumnItems extremes =
        ColumnItems(LowerColumns, {{1, 2, 142}, {4, 9, 112}}).without({PercentageColumn});
    static const ColumnItems means(LowerColumns, {{3, 3, 111}, {14, 14, 148}});
    Lower().PrintMonths(c, months);
    PrintYearRows(c, Lower(), LowerTotals, {&totals, &extremes, &means});
}

void DrawBody(Component& c)
{
    Canvas& cv = c.canvas;
    const int lw = cv.LineWeight;
    cv.SetFont(11, 1);
    PrintPageHeading(c);
    PrintUpperHeadings(c);
    cv.SetFont(9, 1);
    PrintUpperValues(c);
    for (int y : NumberFields(QStringLiteral("310  1200 3120 5040"), 5))
        cv.DrawHorizontalLine(0, y, LogicalPageWidth, lw);
    cv.SetFont(11, 1);
    PrintLowerHeadings(c);
    for (int y : NumberFields(QStringLiteral("6000 7200 9120 1104012000"), 5))
        cv.DrawHorizontalLine(0, y, LogicalPageWidth, lw);
    cv.SetFont(9, 1);
    PrintLowerValues(c);
    // The rules between the other column groups come from the cell borders.
    for (double x : {7180, 11020, 13320})
        cv.DrawVerticalLine(x, 310, BlockRule, lw);
    for (double x : {3330, 11415})
        cv.DrawVerticalLine(x, BlockRule, TableBottom, lw);
    cv.DrawVerticalLine(LogicalPageWidth, 310, TableBottom, lw);
}

[[maybe_unused]] const bool registered =
    RegisterRenderer(RendererId::PrintYearPage4, [](Component& c, const RendererArgs&) { PrintYearPage4(c); });

}  // namespace

QString FrozenDepthText(const QString& stored)
{
    const double depth = Val(stored);
    return depth > FrozenDepthLimit ? u'>' + PlainNumber(depth - FrozenDepthLimit) : stored;
}

void PrintYearPage4(Component& c)
{
    static const YearlyPage page{Labels(), 12310, DrawBody, 4, 13300, {}};
    DrawYearlyPage(c, page);
}

}  // namespace tabulon
