#include "pages/yearly/YearPage1.h"

#include "pages/frame/LayoutLiterals.h"
#include "pages/yearly/YearTable.h"
#include "pages/yearly/YearlyPage.h"
#include "toolkit/Canvas.h"
#include "toolkit/PageHeading.h"
#include "toolkit/Renderers.h"
#include "report/Component.h"

namespace tabulon {

namespace {

constexpr double LabelWidth = 1004;
constexpr double TableBottom = 12860;
constexpr double RowHeight = 350;
constexpr double UpperMonthTop = 1510;
constexpr double LowerHeadingTop = 6410;
constexpr double LowerMonthTop = 7610;

// Upper block: 32 columns of 578 (column c shows item c); lower block: 28 of 554 (item 32 + c).
constexpr int UpperColumns = 32;
constexpr int LowerColumns = 28;
constexpr int LowerItemBase = 32;

// Year rows.
constexpr double UpperExtremes = 5710;
constexpr double UpperMeans = 6060;
constexpr double LowerTotals = 11810;
constexpr double LowerExtremes = 12160;
constexpr double LowerMeans = 12510;

// The maximum-precipitation table beside the lower block.
constexpr double DurationX = 16500;
constexpr double AmountX = 17200;
constexpr double StartTimeX = 17800;
constexpr int Durations = 15;

double DurationY(int n) { return LowerMonthTop + RowHeight * (n - 1); }

const QString DigitsAndDecades = QStringLiteral("123456上中下");

const MonthLabelColumn& Labels()
{
    static const MonthLabelColumn labels{
        LabelWidth,
        TableBottom,
        {310, 1510},
        {{310, 1200, UpperMonthTop, RowHeight,
          {{QStringLiteral("年极值"), UpperExtremes, RowHeight}, {QStringLiteral("年平均"), UpperMeans, RowHeight}}},
         {LowerHeadingTop, 1200, LowerMonthTop, RowHeight,
          {{QStringLiteral("年合计"), LowerTotals, RowHeight},
           {QStringLiteral("年极值"), LowerExtremes, RowHeight},
           {QStringLiteral("年平均"), LowerMeans, RowHeight}}}},
        NumberFields(QStringLiteral("3610 5710 6400 7600 9700 1180012850"), 5)};
    return labels;
}

const YearTable& Upper()
{
    static const YearTable t(YearColumns::uniform(LabelWidth, 578, UpperColumns), UpperMonthTop, RowHeight);
    return t;
}

const YearTable& Lower()
{
    static const YearTable t(YearColumns::uniform(LabelWidth, 554, LowerColumns), LowerMonthTop, RowHeight);
    return t;
}

void PrintUpperHeadings(Component& c)
{
    static const std::vector<HeadingCell> cells{
        {QStringLiteral("本  站  气  压  (0.1hpa)"), 1004, 310, 4046, 400},
        {QStringLiteral("平均海     面气压             "), 5050, 310, 578, 1200, 8, 400},
        {QStringLiteral("(0.1hpa)"), 5050, 1110, 578, 400, 0, 0, 0},
        {QStringLiteral("气         温    (0.1℃)"), 5628, 310, 9248, 400},
        {QStringLiteral("水  汽  压  (0.1hpa)"), 14876, 310, 2890, 400},
        {QStringLiteral("相对湿度(%)"), 17766, 310, 1734, 400},
        {QStringLiteral("平均"), 1004, 710, 578, 800},
        {QStringLiteral("平  均"), 1582, 710, 1156, 400},
        {QStringLiteral("极   端"), 2738, 710, 2312, 400},
        {QStringLiteral("候  平  均"), 5628, 710, 3468, 400},
        {QStringLiteral("旬平均"), 9096, 710, 1734, 400},
        {QStringLiteral("平均"), 10830, 710, 578, 800},
        {QStringLiteral("平  均"), 11408, 710, 1156, 400},
        {QStringLiteral("极   端"), 12564, 710, 2312, 400},
    };
    PrintHeadingCells(c, cells);
    const QString highLow = QStringLiteral("最高最低最高日期最低日期");
    PrintHeadingPieces(c, highLow, 2, 6, {1582, 1110, 578, 0, 578, 400});
    PrintHeadingPieces(c, highLow, 2, 6, {11408, 1110, 578, 0, 578, 400});
}

// The pentad and ten-day captions of the temperature group and the vapour-pressure and
// humidity captions, drawn after the upper values.
void PrintUpperCaptions(Component& c)
{
    PrintHeadingPieces(c, DigitsAndDecades, 1, 9, {5628, 1110, 578, 0, 578, 400});
    PrintHeadingPieces(c, QStringLiteral("平均最大日期最小日期平均最小日期"), 2, 8, {14876, 710, 578, 0, 578, 800});
}

void PrintLowerHeadings(Component& c)
{
    static const std::vector<HeadingCell> cells{
        {QStringLiteral("平均云量(0.1成)"), 1004, 6410, 1108, 400},
        {QStringLiteral("日平均云量量别日数"), 2112, 6410, 3324, 400},
        {QStringLiteral("降    水    量     (0.1mm)"), 5436, 6410, 6648, 400},
        {QStringLiteral("各 级 降 水 日 数"), 12084, 6410, 4432, 400},
        {QStringLiteral("各时段年最大降水量(0.1mm)"), 16500, 6410, 3000, 400},
        {QStringLiteral("总云量"), 1004, 6810, 554, 800},
        {QStringLiteral("低云量"), 1558, 6810, 554, 800},
        {QStringLiteral("总云量"), 2112, 6810, 1662, 400},
        {QStringLiteral("低云量"), 3774, 6810, 1662, 400},
        {QStringLiteral("候 总 量"), 5436, 6810, 3324, 400},
        {QStringLiteral("旬 总 量"), 8760, 6810, 1662, 400},
        {QStringLiteral("总量"), 10422, 6810, 554, 800},
        {QStringLiteral("一日最大"), 10976, 6810, 554, 800, 2, 400},
        {QStringLiteral("日期"), 11530, 6810, 554, 800},
        {QStringLiteral("时 段"), 16500, 6810, 700, 800},
        {QStringLiteral("降水量"), 17200, 6810, 600, 800},
        {QStringLiteral("开始时间"), 17800, 6810, 1700, 800},
    };
    PrintHeadingCells(c, cells);
    PrintHeadingPieces(c, QStringLiteral("0.0-1.9 2.0-8.0 8.1-10.00.0-1.9 2.0-8.0 8.1-10.0"), 8, 6,
                       {2112, 7210, 554, 0, 554, 400});
    PrintHeadingPieces(c, DigitsAndDecades, 1, 9, {5436, 7210, 554, 0, 554, 400});
    PrintHeadingPieces(c, QStringLiteral("≥0.1  ≥1.0  ≥5.0  ≥10.0 ≥25.0 ≥50.0 ≥100.0≥150.0"), 6, 8,
                       {12084, 6810, 554, 0, 554, 800});
    // The duration labels stand right-aligned in their column.
    Canvas& cv = c.canvas;
    cv.TextAlign = 2;
    PrintHeadingPieces(c,
                       QStringLiteral("5       10      15      20      30      45      60(1)   90(1.5) 120(2)  "
                                      "180(3)  240(4)  360(6)  540(9)  720(12) 1440(24)"),
                       8, Durations, {DurationX, LowerMonthTop, 0, RowHeight, 700, RowHeight});
    cv.TextAlign = 0;
}

// When a maximum began: part 2 alone when it is a month text ("7月") or a count ("3次"),
// nothing when it is empty, else month, day, hour and minute ("12月5日14时30分").
QString StartTime(const TextTable& t, int n)
{
    const QString& month = t(n, 2);
    if (month.endsWith(u'月'))
        return month;
    if (month.isEmpty())
        return {};
    if (month.contains(u'次'))
        return month;
    return month + u'月' + t(n, 3) + u'日' + t(n, 4) + u'时' + t(n, 5) + u'分';
}

void PrintMaximumPrecipitation(Component& c)
{
    Canvas& cv = c.canvas;
    const TextTable& t = c.tables.YMaxPrecipitation;
    cv.TextAlign = 0;
    for (int n = 1; n <= Durations; ++n) {
        cv.PrintCell(-1, t(n, 1), 600, RowHeight, AmountX, DurationY(n));
        cv.PrintCell(-1, StartTime(t, n), 1700, RowHeight, StartTimeX, DurationY(n));
    }
}

void PrintUpperValues(Component& c)
{
    static const ColumnItems months = ColumnItems::offset(UpperColumns, 0);
    static const ColumnItems extremes(UpperColumns, {{4, 7, 4}, {21, 24, 21}, {26, 29, 26}, {31, 32, 31}});
    static const ColumnItems means(UpperColumns, {{1, 3, 1}, {8, 8, 8}, {18, 20, 18}, {25, 25, 25}, {30, 30, 30}});
    Upper().PrintMonths(c, months);
    Upper().PrintYearRow(c, extremes, UpperExtremes, RowHeight);
    Upper().PrintYearRow(c, means, UpperMeans, RowHeight);
}

void PrintLowerValues(Component& c)
{
    static const ColumnItems months = ColumnItems::offset(LowerColumns, LowerItemBase);
    static const ColumnItems totals(LowerColumns, {{3, 8, 35}, {18, 18, 50}, {21, 28, 53}});
    static const ColumnItems extremes(LowerColumns, {{19, 20, 51}});
    static const ColumnItems means(LowerColumns, {{1, 2, 33}});
    Lower().PrintMonths(c, months);
    Lower().PrintYearRow(c, totals, LowerTotals, RowHeight);
    Lower().PrintYearRow(c, extremes, LowerExtremes, RowHeight);
    Lower().PrintYearRow(c, means, LowerMeans, RowHeight);
}

void DrawBodyRules(Component& c)
{
    Canvas& cv = c.canvas;
    const int lw = cv.LineWeight;
    // The rules under the heading band and after the sixth duration stop at the
    // maximum-precipitation table.
    for (int y : NumberFields(QStringLiteral("310  1510 3610 5710 6400 7600 9700 1180012850"), 5))
        cv.DrawHorizontalLine(0, y, y == 7600 || y == 9700 ? DurationX : LogicalPageWidth, lw);
    for (double x : {5050, 5618, 14876, 17756})
        cv.DrawVerticalLine(x, 310, LowerHeadingTop, lw);
    for (double x : {5426, 12084, 16500})
        cv.DrawVerticalLine(x, LowerHeadingTop, TableBottom, lw);
    cv.DrawVerticalLine(LogicalPageWidth, 310, TableBottom, lw);
}

void DrawBody(Component& c)
{
    Canvas& cv = c.canvas;
    cv.SetFont(11, 1);
    PrintPageHeading(c);
    PrintUpperHeadings(c);
    cv.SetFont(9, 1);
    PrintUpperValues(c);
    cv.SetFont(11, 1);
    PrintUpperCaptions(c);
    PrintLowerHeadings(c);
    cv.SetFont(9, 1);
    PrintLowerValues(c);
    PrintMaximumPrecipitation(c);
    DrawBodyRules(c);
}

[[maybe_unused]] const bool registered =
    RegisterRenderer(RendererId::PrintYearPage1, [](Component& c, const RendererArgs&) { PrintYearPage1(c); });

}  // namespace

void PrintYearPage1(Component& c)
{
    static const YearlyPage page{Labels(), 0, DrawBody, 1, 13200, {}};
    DrawYearlyPage(c, page);
}

}  // namespace tabulon
