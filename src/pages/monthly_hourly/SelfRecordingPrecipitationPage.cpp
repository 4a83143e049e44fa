// Hourly precipitation on the day grid: 24 one-hour intervals and the day's total, a month
// row, and amounts spread over several hours drawn as arrows to the hour that holds them.
#include "pages/frame/DayGridPage.h"
#include "pages/frame/LayoutLiterals.h"
#include "pages/monthly_hourly/AccumulationMarkers.h"
#include "pages/monthly_hourly/DayGridRenderers.h"
#include "toolkit/Renderers.h"
#include "toolkit/TextHelpers.h"
#include "report/Component.h"

namespace tabulon {

namespace {

const QString Titles = QStringLiteral(
    "自   记  降  水  量     (0.1mm),自  记  (或  自  动  观  测)  降  水  量    (0.1mm), "
    "自    动    观    测    降    水    量    (0.1mm)  ");
const QString PageNumbers = QStringLiteral("-4-,-11-,-18-");
const QString IntervalLabels = QStringLiteral(
    "20-2121-2222-2323-240-1  1-2  2-3  3-4  4-5  5-6  6-7  7-8  8-9  9-10 10-1111-1212-1313-1414-1515-1616-"
    "1717-1818-1919-20合计   ");

constexpr int Intervals = 24;
constexpr int DayTotalItem = 15;   // ADailyStat
constexpr double MonthRowY = DayGridPage::GridBottom;
constexpr double MonthRowBottom = MonthRowY + DayGridPage::RowHeight;   // 12310
// The one heavy rule of the page, 5 twips left of the boundary between 7-8 and 8-9 h.
constexpr double MorningRuleX = 9888;

// The day's markers rewritten in the table, as later pages and redraws see them.
void RewriteMarkers(TextTable& hourly, int day)
{
    QStringList hours;
    for (int m = 1; m <= Intervals; ++m)
        hours << hourly(day, m);
    hours = MarkAccumulatedHours(std::move(hours));
    for (int m = 1; m <= Intervals; ++m)
        hourly(day, m) = hours.at(m - 1);
}

void PrintMonthRow(Component& c, const DayGridPage& grid)
{
    Canvas& cv = c.canvas;
    for (int m = 0; m < Intervals; ++m)
        grid.printCell(c, ArrowShaft, m, MonthRowY);
    cv.TextAlign = Align::Right;
    FormatTwoDigits(c.tables.AHourlyPrecipTotal);
    grid.printCell(c, c.tables.AHourlyPrecipTotal, Intervals, MonthRowY);
}

DayGridPage PrecipitationPage(Component& c, int pageVariant)
{
    DayGridPage page;
    page.panes = PaneLayout::of({1020, 1110, PaneMargin, PaneMargin}, {19550, 1110, 0, PaneMargin},
                                {1020, MonthRowBottom, PaneMargin, PaneMargin}, {19550, 16200, 0, 0});
    page.dateWidth = 1025;
    page.columnWidth = 739;
    page.columnCount = Intervals + 1;
    page.title = CommaItem(Titles, pageVariant);
    page.columnLabels = CutPieces(IntervalLabels, 5, Intervals + 1);
    page.labelsFollowGrid = true;
    page.heavyColumnRules = {MorningRuleX};
    page.heavyColumnRuleBottom = MonthRowBottom;
    page.labelsBelowDays = {QStringLiteral("月合计")};
    page.outerRuleBottom = MonthRowBottom;
    page.dateRuleBottom = MonthRowBottom;
    page.dateColumnClosingRules = {MonthRowY, MonthRowBottom};
    page.bodyRules = {{DayGridPage::PageRight, DayGridPage::BandTop, MonthRowBottom}};
    page.closingRules = {{0, MonthRowY, DayGridPage::PageRight}, {0, MonthRowBottom, DayGridPage::PageRight}};
    page.pageNumber = CommaItem(PageNumbers, pageVariant);
    page.cells = [&c](const DayGridPage& grid) {
        ATables& t = c.tables;
        grid.forEachDay(c, [&](int day, double y) {
            RewriteMarkers(t.AHourlyPrecipitation, day);
            for (int m = 1; m <= Intervals; ++m) {
                QString& cell = t.AHourlyPrecipitation(day, m);
                FormatTwoDigits(cell);
                grid.printCell(c, cell, m - 1, y);
            }
            QString& total = t.ADailyStat(day, DayTotalItem);
            FormatTwoDigits(total);
            grid.printCell(c, total, Intervals, y);
        });
        c.canvas.TextAlign = Align::Centre;
        grid.printBlankDays(c);
    };
    page.belowGrid = [&c](const DayGridPage& grid) { PrintMonthRow(c, grid); };
    return page;
}

const bool registered = RegisterRenderer(RendererId::PrintSelfRecordingPrecipitation,
                                         [](Component& c, const RendererArgs& a) {
                                             PrintSelfRecordingPrecipitation(c, a[0]);
                                         });

}  // namespace

void PrintSelfRecordingPrecipitation(Component& c, std::int16_t pageVariant)
{
    TrapAndReport(c, QStringLiteral("打印自记降水量"), [&] { DrawDayGridPage(c, PrecipitationPage(c, pageVariant)); });
}

}  // namespace tabulon
