#include "pages/frame/DayGridPage.h"   // HourLabels
#include "pages/frame/FramedPage.h"
#include "pages/frame/LayoutLiterals.h"
#include "pages/monthly_hourly/WindEvaporationRenderers.h"
#include "toolkit/PageFrame.h"
#include "toolkit/PageHeading.h"
#include "toolkit/Renderers.h"
#include "report/Component.h"

namespace tabulon {

namespace {

// Columns: direction labels, item labels, 24 hour columns, six month columns.
constexpr double DirectionWidth = 500;
constexpr double ItemX = 500;
constexpr double ItemWidth = 640;
constexpr double HourOrigin = 1140;
constexpr double ColumnWidth = 612;
constexpr double MonthOf4X = 15828;    // first of the four-observation month columns
constexpr double MonthOf24X = 17664;   // first of the 24-observation month columns
constexpr double PageRight = 19500;

// Rows: each direction a band of three rows (speed sum, occurrences, maximum), then calm.
constexpr double BandTop = 310;
constexpr double CaptionTop = 560;
constexpr double TableTop = 810;
constexpr double RowHeight = 250;
constexpr double BandHeight = 750;
constexpr int Directions = 16;
constexpr int Calm = 17;
constexpr double CalmY = 12810;
constexpr double BottomRowY = 13060;
constexpr double TableBottom = 13310;

const QString DirectionLabels =
    QStringLiteral("N,NNE,NE,ENE,E,ESE,SE,SSE,S,SSW,SW,WSW,W,WNW,NW,NNW,C");
const QString MonthLabels = QStringLiteral("月合计,平均风速,风向频率,月合计,平均风速,风向频率");
const QString ItemLabels = QStringLiteral("风速合计,出现回数,最大风速");

double HourX(int hour) { return HourOrigin + ColumnWidth * (hour - 1); }
double DirectionY(int direction) { return TableTop + BandHeight * (direction - 1); }

// The heavy rules on both sides of the 02, 08, 14 and 20 h columns (hours 6, 12, 18, 24).
void DrawFixedHourRules(Canvas& cv, double y1, double y2)
{
    for (int hour = 6; hour <= 24; hour += 6) {
        cv.DrawVerticalLine(HourX(hour), y1, y2, cv.LineWeight);
        cv.DrawVerticalLine(HourX(hour + 1), y1, y2, cv.LineWeight);
    }
}

void DrawCorner(Canvas& cv)
{
    const int lw = cv.LineWeight;
    cv.SetFont(9, 1);
    cv.PrintCell(Border::Framed, QStringLiteral("风向"), DirectionWidth, RowHeight, 0, CaptionTop);
    cv.PrintCell(Border::Framed, QStringLiteral("项目"), ItemWidth, RowHeight, ItemX, CaptionTop);
    cv.DrawHorizontalLine(0, BandTop, 1190, lw);
    cv.DrawHorizontalLine(0, TableTop, 1190, lw);
    cv.DrawVerticalLine(0, BandTop, TableTop, lw);
    cv.DrawVerticalLine(HourOrigin, CaptionTop, TableTop, lw);
}

void DrawColumnCaptions(Component& c)
{
    Canvas& cv = c.canvas;
    const int lw = cv.LineWeight;
    cv.DrawHorizontalLine(0, BandTop, PageRight, lw);
    cv.DrawHorizontalLine(0, TableTop, PageRight, lw);
    DrawFixedHourRules(cv, CaptionTop, TableTop);
    for (double x : {MonthOf4X, MonthOf24X, PageRight})
        cv.DrawVerticalLine(x, BandTop, TableTop, lw);

    cv.SetFont(11, 1);
    PrintPageHeading(c);
    cv.SetFont(8, 1);
    cv.PrintCell(Border::None, QStringLiteral("风  的  统  计  (二 分 钟 平 均)"), 24 * ColumnWidth, RowHeight,
                 HourOrigin, BandTop);
    cv.PrintCell(Border::Framed, QStringLiteral("4   次"), 3 * ColumnWidth, RowHeight, MonthOf4X, BandTop);
    cv.PrintCell(Border::Framed, QStringLiteral("24   次"), 3 * ColumnWidth, RowHeight, MonthOf24X, BandTop);
    const QStringList hours = HourLabels();
    const QStringList months = CommaList(MonthLabels);
    for (int i = 0; i < 30; ++i) {
        cv.SetFont(i < 24 ? 10 : 8, 1);
        cv.PrintCell(Border::Framed, i < 24 ? hours[i] : months[i - 24], ColumnWidth, RowHeight,
                     HourOrigin + ColumnWidth * i, CaptionTop);
    }
}

void DrawRowCaptions(Canvas& cv)
{
    const int lw = cv.LineWeight;
    cv.DrawVerticalLine(0, BandTop, BottomRowY, lw);
    cv.DrawVerticalLine(ItemX, CaptionTop, BottomRowY, 1);
    cv.DrawVerticalLine(HourOrigin, CaptionTop, BottomRowY, lw);
    for (int k = 1; k <= Directions; ++k)
        cv.DrawHorizontalLine(0, TableTop + BandHeight * k, HourOrigin, lw - 1);
    cv.DrawHorizontalLine(0, BottomRowY, 1160, lw);

    const QStringList directions = CommaList(DirectionLabels);
    const QStringList items = CommaList(ItemLabels);
    const int grid = cv.ShowGridLines;
    cv.SetFont(11, 1);
    for (int d = 1; d <= Calm; ++d)
        cv.PrintCell(grid, directions[d - 1], DirectionWidth, d == Calm ? RowHeight : BandHeight, 0, DirectionY(d));
    cv.SetFont(8, 1);
    for (int d = 1; d <= Directions; ++d)
        for (int k = 0; k < 3; ++k)
            cv.PrintCell(grid, items[k], ItemWidth, RowHeight, ItemX, DirectionY(d) + RowHeight * k);
    cv.PrintCell(grid, items[1], ItemWidth, RowHeight, ItemX, CalmY);
}

// The month block of direction d: sums and occurrences, means and maxima, frequencies,
// once over the four fixed observations (items 25, 26) and once over all 24 (27, 28).
void PrintMonthBlock(Component& c, int d)
{
    Canvas& cv = c.canvas;
    const TextCube& s = c.tables.AWindDirectionStat;
    const int grid = cv.ShowGridLines;
    const double y0 = DirectionY(d);
    for (double x : {MonthOf4X, MonthOf24X}) {
        const int sums = x == MonthOf4X ? 25 : 27;
        cv.PrintCell(Border::Framed, QStringLiteral("月最大"), ColumnWidth, RowHeight, x, y0 + 2 * RowHeight);
        cv.PrintCell(grid, s(sums, d, 1), ColumnWidth, RowHeight, x, y0);
        cv.PrintCell(grid, s(sums, d, 2), ColumnWidth, RowHeight, x, y0 + RowHeight);
        cv.PrintCell(grid, s(sums, d, 3), ColumnWidth, RowHeight, x + ColumnWidth, y0 + 2 * RowHeight);
        cv.PrintCell(grid, s(sums + 1, d, 1), ColumnWidth, 2 * RowHeight, x + ColumnWidth, y0);
        cv.PrintCell(grid, s(sums + 1, d, 2), ColumnWidth, BandHeight, x + 2 * ColumnWidth, y0);
    }
}

void DrawBody(Component& c, std::int16_t pageVariant)
{
    Canvas& cv = c.canvas;
    const TextCube& s = c.tables.AWindDirectionStat;
    const TextList& m = c.tables.AMonthStat;
    const int grid = cv.ShowGridLines;
    const int lw = cv.LineWeight;
    cv.SetFont(9, 1);
    for (int d = 1; d <= Directions; ++d)
        for (int i = 1; i <= 24; ++i)
            for (int k = 1; k <= 3; ++k)
                cv.PrintCell(grid, s(i, d, k), ColumnWidth, RowHeight, HourX(i), DirectionY(d) + RowHeight * (k - 1));
    for (int i = 1; i <= 24; ++i)
        cv.PrintCell(grid, s(i, Calm, 2), ColumnWidth, RowHeight, HourX(i), CalmY);
    for (int d = 1; d <= Directions; ++d)
        PrintMonthBlock(c, d);

    // Calm has occurrences and frequencies only.
    const QStringList calm = {s(25, Calm, 2), QStringLiteral("---"), s(26, Calm, 2),
                              s(27, Calm, 2), QStringLiteral("---"), s(28, Calm, 2)};
    for (int j = 0; j < calm.size(); ++j)
        cv.PrintCell(grid, calm[j], ColumnWidth, RowHeight, MonthOf4X + ColumnWidth * j, CalmY);

    const QStringList bottom = {QStringLiteral("月最多风向(4次)"), m(61), QStringLiteral("频率"), m(62),
                                QStringLiteral("月最多风向(24次)"), m(63), QStringLiteral("频率"), m(64)};
    for (int j = 0; j < bottom.size(); ++j)
        cv.PrintCell(Border::Framed, bottom[j], 2437, RowHeight, 2437.0 * j, BottomRowY);

    for (int k = 1; k <= Directions; ++k)
        cv.DrawHorizontalLine(0, TableTop + BandHeight * k, PageRight, lw - 1);
    cv.DrawHorizontalLine(0, BottomRowY, PageRight, lw);
    cv.DrawHorizontalLine(0, TableBottom, PageRight, lw);
    DrawFixedHourRules(cv, CaptionTop, BottomRowY);
    cv.DrawVerticalLine(0, BandTop, TableBottom, lw);
    cv.DrawVerticalLine(MonthOf4X, BandTop, BottomRowY, lw);
    cv.DrawVerticalLine(MonthOf24X, BandTop, BottomRowY, lw);
    cv.DrawVerticalLine(PageRight, BandTop, TableBottom, lw);

    PrintPageNumber(c, pageVariant == 2 ? QStringLiteral("-14-") : QStringLiteral("-21-"), 13400, PageRight, 330);
}

const PaneLayout Panes = PaneLayout::of({HourOrigin, TableTop, PaneMargin, PaneMargin},
                                        {19550, TableTop, 0, PaneMargin},
                                        {HourOrigin, BottomRowY, PaneMargin, 0},
                                        {19550, 16200, 0, 0});

const bool registered = RegisterRenderer(RendererId::PrintWindStatistics, [](Component& c, const RendererArgs& a) {
    PrintWindStatistics(c, a[0]);
});

}  // namespace

void PrintWindStatistics(Component& c, std::int16_t pageVariant)
{
    TrapAndReport(c, QStringLiteral("打印风统计"), [&] {
        DrawFramedPage(c, Panes,
                 {[&] { DrawCorner(c.canvas); }, [&] { DrawColumnCaptions(c); }, [&] { DrawRowCaptions(c.canvas); },
                  [&] { DrawBody(c, pageVariant); }});
    });
}

}  // namespace tabulon
