#include "pages/frame/ObservationModes.h"
#include "pages/frame/TenDayPage.h"
#include "pages/monthly_hourly/TenDayRenderers.h"
#include "toolkit/Renderers.h"
#include "report/Component.h"

namespace tabulon {

namespace {

// Hours in page order, the two means and the daily extremes, 3 characters each.
const QString PressureColumnLabels = QStringLiteral(
    " 21 22 23 24  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 4次24次 最高 最低");

constexpr int MeanOf4Column = 24;
constexpr int MeanOf24Column = 25;
constexpr int MaximumColumn = 26;
constexpr int MinimumColumn = 27;

TenDayPage StationPressurePage(Component& c)
{
    ATables& t = c.tables;
    const TenDayLayout l;   // the default layout is this page's
    TenDayPage page;
    page.layout = l;
    page.panes.panes = {PaneExtent{1020, 1110, 35, 35}, PaneExtent{19500, 1110, 50, 35},
                        PaneExtent{1020, 12990, 35, 35}, PaneExtent{19500, 16200, 50, 0}};
    page.headingRules = {{16860, 310, 1110}, {18180, 310, 1110}, {19500, 310, 1160}};
    page.title = QStringLiteral("本   站   气   压    (0.1hpa)");
    page.columnLabels = CutPieces(PressureColumnLabels, 3, 28);
    page.firstTwoTierColumn = MaximumColumn;

    page.dayRow = [&c, &t, l](int day, double y) {
        for (int item = 1; item <= 24; ++item)
            l.PrintValue(c, t.AStationPressure(day, item), item - 1, y);
        l.PrintValue(c, t.AStationPressure(day, 25), MaximumColumn, y);
        l.PrintValue(c, t.AStationPressure(day, HourlyMinimumItem(ModeElement::StationPressure, t.AfileMode(1))), MinimumColumn, y);
        l.PrintValue(c, t.ADailyStat(day, 1), MeanOf4Column, y);
        l.PrintValue(c, t.ADailyStat(day, 2), MeanOf24Column, y);
    };
    page.statisticsRow = [&c, &t, l](int period, double y) {
        for (int k = 1; k <= 28; ++k)
            l.PrintValue(c, t.ADekadStat(period, k), k - 1, y);
    };
    page.bottomRow = [&c, &t, l] {
        l.PrintExtremeCells(c,
                            {QStringLiteral("最高"), t.AMonthStat(1), QStringLiteral("日期"), t.AMonthStat(2),
                             QStringLiteral("最低"), t.AMonthStat(3), QStringLiteral("日期"), t.AMonthStat(4)},
                            std::vector<double>(8, 1320));
    };
    page.fixedHourRules = FixedHourRuleSpan{710, 710, 12660};
    page.bodyRules = {{18180, 1110, 12660}, {19500, 1110, 12660}};
    page.bottomLines = {{1020, 12990, 11580}};
    page.bottomEdges = {{11580, 12660, 13000}};
    page.pageNumber = 1;
    return page;
}

const bool registered = RegisterRenderer(RendererId::PrintStationPressure,
                                         [](Component& c, const RendererArgs&) { PrintStationPressure(c); });

}  // namespace

void PrintStationPressure(Component& c)
{
    TrapAndReport(c, QStringLiteral("打印本站气压"), [&] { DrawTenDayPage(c, StationPressurePage(c)); });
}

}  // namespace tabulon
