#include "pages/frame/TenDayPage.h"
#include "pages/monthly_hourly/TenDayRenderers.h"
#include "toolkit/Renderers.h"
#include "toolkit/TextHelpers.h"
#include "report/Component.h"

namespace tabulon {

namespace {

// The hours in page order, 2 characters each.
const QString WindHourLabels = QStringLiteral("21222324 1 2 3 4 5 6 7 8 91011121314151617181920");

constexpr int MeanOf4Column = 24;
constexpr int MeanOf24Column = 25;

// The heading band has three tiers (title, hours, "向 速"), so the rows start 400 lower.
constexpr double HourTier = 710;
constexpr double DirectionSpeedTier = 1110;
constexpr double BodyTop = 1510;
// The row of the month's fixed-time maximum wind, under the month row.
constexpr double MaximumRowY = 13060;
constexpr double MaximumRowEnd = 9560;

TenDayLayout WindLayout()
{
    TenDayLayout l;
    l.cellOrigin = 1040;
    l.columnWidth = 710;
    l.columnCount = 26;
    l.rowOrigin = BodyTop;
    l.fixedHourHeadingRules = false;   // the fixed hours are not set apart on this page
    l.cornerWidth = 1040;
    l.cornerRightRuleBottom = BodyTop;
    l.rowLabelWidth = 1040;
    l.rowSeparatorEnd = 1080;
    l.rowHeadingOuterBottom = MaximumRowY;
    l.rowHeadingInnerBottom = MaximumRowY;
    l.withExtremesRow = false;
    l.extremesOrigin = 0;              // the maximum row starts over the row-heading column
    return l;
}

void PrintWindHeadings(Component& c, const TenDayLayout& l)
{
    Canvas& cv = c.canvas;
    const QStringList hours = CutPieces(WindHourLabels, 2, 24);
    for (int a = 0; a < 24; ++a) {
        cv.PrintCell(-1, hours[a], 710, 400, l.columnX(a), HourTier, 0);
        cv.PrintCell(-1, QStringLiteral("向 速"), 710, 400, l.columnX(a), DirectionSpeedTier, 0);
    }
    cv.PrintCell(-1, QStringLiteral("风速平均"), 1420, 400, l.columnX(MeanOf4Column), HourTier, 0);
    cv.PrintCell(-1, QStringLiteral("4次"), 710, 400, l.columnX(MeanOf4Column), DirectionSpeedTier, 0);
    cv.PrintCell(-1, QStringLiteral("24次"), 710, 400, l.columnX(MeanOf24Column), DirectionSpeedTier, 0);
}

TenDayPage TwoMinuteWindPage(Component& c, std::int16_t pageVariant)
{
    Canvas& cv = c.canvas;
    ATables& t = c.tables;
    const TenDayLayout l = WindLayout();
    const bool automatic = pageVariant == 2;
    TenDayPage page;
    page.layout = l;
    page.panes.panes = {PaneExtent{1040, 1510, 35, 35}, PaneExtent{19550, 1510, 0, 35},
                        PaneExtent{1040, 13060, 35, 0}, PaneExtent{19550, 16200, 0, 0}};
    page.headingRules = {{9560, 710, 1510}, {18080, 710, 1510}, {19500, 310, 1560}};
    page.title = automatic ? QStringLiteral("自  动  观  测  二  分  钟  平  均  风  向  风  速   (0.1m/s)")
                           : QStringLiteral("二  分  钟  平  均  风  向  风  速   (0.1m/s)");
    page.titleWidth = 18460;   // over the hour and the mean columns
    page.headingCells = [&c, l] { PrintWindHeadings(c, l); };

    page.dayRow = [&c, &cv, &t, l](int day, double y) {
        // Direction at the top left, speed at the bottom right of each hour cell.
        cv.TextAlign = 1;
        for (int item = 1; item <= 24; ++item) {
            const QString wind = FormatWind(FormattedTwoDigits(t.AWind(day, item)));
            cv.PrintCell(cv.ShowGridLines, wind, l.columnWidth, TenDayLayout::RowHeight, l.columnX(item - 1), y, 1);
        }
        cv.TextAlign = 2;
        l.PrintValue(c, t.ADailyStat(day, 16), MeanOf4Column, y);
        l.PrintValue(c, t.ADailyStat(day, 17), MeanOf24Column, y);
    };
    page.statisticsRow = [&c, &t, l](int period, double y) {
        for (int k = 1; k <= 26; ++k)
            l.PrintValue(c, t.ADekadStat(period, 167 + k), k - 1, y);
    };
    page.bottomRow = [&c, &t, l] {
        l.PrintExtremeCells(c,
                            {QStringLiteral("定时最大风速"), t.AMonthStat(58), QStringLiteral("风向"), t.AMonthStat(59),
                             QStringLiteral("日期"), t.AMonthStat(60)},
                            {2460, 1420, 1420, 1420, 1420, 1420});
    };
    page.bodyRules = {{9560, 710, MaximumRowY}, {18080, 710, MaximumRowY}, {19500, 310, MaximumRowY}};
    constexpr double bottom = MaximumRowY + TenDayLayout::RowHeight;
    page.bottomLines = {{0, bottom, MaximumRowEnd}};
    page.bottomEdges = {{MaximumRowEnd, MaximumRowY, bottom}, {0, MaximumRowY, bottom}};
    page.pageNumber = automatic ? 13 : 20;
    page.pageNumberY = 13550;
    return page;
}

const bool registered = RegisterRenderer(RendererId::PrintTwoMinuteWind, [](Component& c, const RendererArgs& a) {
    PrintTwoMinuteWind(c, a[0]);
});

}  // namespace

void PrintTwoMinuteWind(Component& c, std::int16_t pageVariant)
{
    TrapAndReport(c, QStringLiteral("打印二分钟风向风速"), [&] { DrawTenDayPage(c, TwoMinuteWindPage(c, pageVariant)); });
}

}  // namespace tabulon
