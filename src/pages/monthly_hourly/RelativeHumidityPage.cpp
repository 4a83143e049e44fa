#include "pages/frame/TenDayPage.h"
#include "pages/monthly_hourly/TenDayRenderers.h"
#include "toolkit/Renderers.h"
#include "report/Component.h"

namespace tabulon {

namespace {

// Hours in page order, the two means and the daily minimum, 3 characters each.
const QString HumidityColumnLabels = QStringLiteral(
    " 21 22 23 24  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 4次24次 最小 ");

// The day-row cells of the means and the minimum sit 12 twips right of their labels, so
// that the minimum ends on the page's right edge; the statistics rows keep the label grid.
constexpr double DayMeanOf4X = 17448;
constexpr double DayMeanOf24X = 18132;
constexpr double DayMinimumX = 18816;
constexpr int MinimumColumn = 26;

TenDayLayout HumidityLayout()
{
    TenDayLayout l;
    l.columnWidth = 684;
    l.columnCount = 27;
    l.fixedHourStep = 4104;
    l.fixedHourRightOrigin = 1020;
    l.fixedHourLeftOrigin = 336;
    l.cornerRightRuleBottom = 1200;
    return l;
}

TenDayPage RelativeHumidityPage(Component& c)
{
    Canvas& cv = c.canvas;
    ATables& t = c.tables;
    const TenDayLayout l = HumidityLayout();
    TenDayPage page;
    page.layout = l;
    page.panes.panes = {PaneExtent{1020, 1110, 35, 35}, PaneExtent{19500, 1110, 35, 35},
                        PaneExtent{1020, 12990, 35, 35}, PaneExtent{19500, 16200, 35, 0}};
    page.headingRules = {{17448, 310, 1110}, {18816, 310, 1110}, {19500, 310, 1160}};
    page.title = QStringLiteral("相   对   湿   度        (%)");
    page.meanHeadingX = 17426;
    page.meanHeadingWidth = 1378;
    page.columnLabels = CutPieces(HumidityColumnLabels, 3, 27);
    page.firstTwoTierColumn = MinimumColumn;
    page.twoTierWidth = 674;

    page.dayRow = [&c, &t, l](int day, double y) {
        for (int item = 1; item <= 24; ++item)
            l.PrintValue(c, t.ARelativeHumidity(day, item), item - 1, y);
        l.PrintValueAt(c, t.ADailyStat(day, 7), DayMeanOf4X, y);
        l.PrintValueAt(c, t.ADailyStat(day, 8), DayMeanOf24X, y);
        l.PrintValueAt(c, t.ARelativeHumidity(day, 25), DayMinimumX, y);
    };
    page.statisticsRow = [&c, &cv, &t, l](int period, double y) {
        for (int k = 1; k <= 26; ++k)
            l.PrintValue(c, t.ADekadStat(period, 82 + k), k - 1, y);
        // The ten-day and month rows have no minimum.
        cv.TextAlign = 0;
        l.PrintValue(c, QStringLiteral("---"), MinimumColumn, y);
    };
    page.bottomRow = [&c, &t, l] {
        l.PrintExtremeCells(c, {QStringLiteral("最小"), t.AMonthStat(19), QStringLiteral("日期"), t.AMonthStat(20)},
                            std::vector<double>(4, 1368));
    };
    page.fixedHourRules = FixedHourRuleSpan{710, 700, 12660};
    page.bodyRules = {{18804, 1110, 12660}, {19488, 1110, 12660}};
    page.bottomLines = {{1020, 12990, 6492}};
    page.bottomEdges = {{6492, 12660, 13000}};
    page.pageNumber = 5;
    return page;
}

const bool registered = RegisterRenderer(RendererId::PrintRelativeHumidity,
                                         [](Component& c, const RendererArgs&) { PrintRelativeHumidity(c); });

}  // namespace

void PrintRelativeHumidity(Component& c)
{
    TrapAndReport(c, QStringLiteral("打印相对湿度"), [&] { DrawTenDayPage(c, RelativeHumidityPage(c)); });
}

}  // namespace tabulon
