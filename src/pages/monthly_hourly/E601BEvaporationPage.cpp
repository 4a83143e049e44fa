#include "pages/frame/DayTotal.h"
#include "pages/frame/TenDayPage.h"
#include "pages/monthly_hourly/WindEvaporationRenderers.h"
#include "toolkit/Renderers.h"
#include "toolkit/TextHelpers.h"
#include "report/Component.h"

namespace tabulon {

namespace {

const QString Title = QStringLiteral(
    "        自        动        观        测        蒸        发        量      (0.1mm)");
const QString IntervalLabels = QStringLiteral(
    "20-21,21-22,22-23,23-24,0-1,1-2,2-3,3-4,4-5,5-6,6-7,7-8,8-9,9-10,10-11,11-12,12-13,13-14,"
    "14-15,15-16,16-17,17-18,18-19,19-20,合计");
const QString RowLabels = QStringLiteral(
    "1,2,3,4,5,6,7,8,9,10,上旬计,11,12,13,14,15,16,17,18,19,20,中旬计,"
    "21,22,23,24,25,26,27,28,29,30,31,下旬计,月合计");

constexpr int HourColumns = 24;
constexpr int TotalColumn = 24;     // 0-based: the "合计" column at x 18760
constexpr double EveningRuleX = 9880;   // between the 7-8 and 8-9 h intervals
constexpr double TotalRuleX = 18760;
constexpr double TableBottom = 12660;
constexpr int DekadTotalItem = 167;

TenDayLayout EvaporationLayout()
{
    TenDayLayout l;
    l.cellOrigin = 1000;
    l.columnWidth = 740;
    l.columnCount = 25;
    l.fixedHourHeadingRules = false;
    l.cornerWidth = 1000;
    l.cornerRightRuleBottom = 1160;
    l.rowLabelWidth = 1000;
    l.rowSeparatorEnd = 1020;
    l.rowHeadingOuterBottom = TableBottom;
    l.rowHeadingInnerBottom = TableBottom;
    l.withExtremesRow = false;
    l.rowLabels = CommaList(RowLabels);
    return l;
}

// One day row as the E601B mode letter says: hourly amounts and the total ("A", "B"), the
// total alone ("0"), an empty framed row ("=", "0=") or nothing.
void PrintDayRow(Component& c, const TenDayLayout& l, const QString& mode, int day, double y)
{
    TextTable& table = c.tables.AEvaporationE601B;
    if (mode == u"A" || mode == u"B") {
        for (int item = 1; item <= HourColumns; ++item)
            l.PrintValue(c, FormattedItem(table, day, item), item - 1, y);
        l.PrintValue(c, FormattedDayTotal(table, day), TotalColumn, y);
    } else if (mode == u"0") {
        for (int column = 0; column < HourColumns; ++column)
            l.PrintValue(c, QString(), column, y);
        l.PrintValue(c, FormattedDayTotal(table, day), TotalColumn, y);
    } else if (mode == u"=" || mode == u"0=") {
        for (int column = 0; column <= TotalColumn; ++column)
            l.PrintValue(c, QString(), column, y);
    }
}

TenDayPage EvaporationPage(Component& c, std::int16_t pageVariant)
{
    Canvas& cv = c.canvas;
    const TenDayLayout l = EvaporationLayout();
    TenDayPage page;
    page.layout = l;
    page.panes = PaneLayout::standard(l.cornerWidth, l.rowOrigin, TableBottom);
    page.headingRules = {{EveningRuleX, 710, 1110}, {TotalRuleX, 710, 1110}, {19500, 310, 1200}};
    page.title = Title;
    page.titleWidth = 18500;
    page.headingCells = [&c, l] { l.PrintColumnLabels(c, CommaList(IntervalLabels)); };

    const QString mode = c.tables.AfileMode(12);
    page.dayRow = [&c, l, mode](int day, double y) { PrintDayRow(c, l, mode, day, y); };
    page.statisticsRow = [&c, &cv, l](int period, double y) {
        l.PrintValue(c, FormattedTwoDigits(c.tables.ADekadStat(period, DekadTotalItem)), TotalColumn, y);
        cv.TextAlign = Align::Centre;
        for (int column = 0; column < HourColumns; ++column)
            l.PrintValue(c, QStringLiteral("---"), column, y);
    };
    page.columnRules = [&cv] {
        cv.DrawVerticalLine(EveningRuleX, 710, TableBottom, cv.LineWeight);
        cv.DrawVerticalLine(TotalRuleX, 710, TableBottom, cv.LineWeight);
        cv.DrawVerticalLine(19500, 310, TableBottom, cv.LineWeight);
    };
    page.pageNumber = pageVariant == 2 ? 10 : 17;
    return page;
}

const bool registered = RegisterRenderer(RendererId::PrintE601BEvaporation, [](Component& c, const RendererArgs& a) {
    PrintE601BEvaporation(c, a[0]);
});

}  // namespace

void PrintE601BEvaporation(Component& c, std::int16_t pageVariant)
{
    TrapAndReport(c, QStringLiteral("打印E601B自动观测蒸发量"),
                  [&] { DrawTenDayPage(c, EvaporationPage(c, pageVariant)); });
}

}  // namespace tabulon
